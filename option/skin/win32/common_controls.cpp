#include "option/skin/win32/common_controls.h"

#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

namespace brelfx {

bool EnableCommonControls() {
  static const bool enabled = [] {
    // Kept loaded for the life of the program: its window classes live in it.
    const HMODULE library = LoadLibraryA("comctl32.dll");
    if (!library) return false;
    using InitCall = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init =
        reinterpret_cast<InitCall>(
        reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return init && init(&controls);
  }();
  return enabled;
}

}  // namespace brelfx
