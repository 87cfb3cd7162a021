#include "osd/win32/companion_window.h"

namespace brelfx {
namespace {
constexpr char kCompanionClass[] = "BrelOSDCompanion";
}  // namespace

// WM_CLOSE takes the default: the window is destroyed, the program runs on
// until its main window closes.
bool CCompanionWnd::Create(const char* title) {
  RegisterWindowClass(kCompanionClass);
  return CreateWindowObject(WS_EX_TOOLWINDOW, kCompanionClass, title, WS_POPUP, RECT{0, 0, 1, 1},
                            nullptr, nullptr) != nullptr;
}

}  // namespace brelfx
