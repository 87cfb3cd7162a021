// skin-gallery: shows every skinned control in one window.
//   skin-gallery.exe [--trace FILE]   FILE receives one line per owner message
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "option/skin/win32/common_controls.h"
#include "option/skin/win32/dialog/dialog_key_handler.h"
#include "option/skin/win32/gallery/gallery_layout.h"
#include "option/skin/win32/gallery/gallery_window.h"
#include "option/skin/win32/help_text.h"
#include "option/skin/win32/menu_frame_hook.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace brelfx;
  std::FILE* trace = nullptr;
  for (int i = 1; i + 1 < __argc; ++i) {
    if (std::strcmp(__argv[i], gallery::kTraceOption) == 0) trace = std::fopen(__argv[i + 1], "a");
  }
  EnableCommonControls();
  RegisterSkinMessages();
  MenuFrameHook menuFrames;

  int status = 1;
  {
    CSkinGalleryWnd gallery(trace);
    if (gallery.Create()) {
      SetHelpTextWindow(gallery.hwnd());
      ShowWindow(gallery.hwnd(), SW_SHOW);
      UpdateWindow(gallery.hwnd());
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab and Enter on buttons, as in every skinned dialog.
        if (HandleSkinDialogKey(gallery.hwnd(), msg, nullptr)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      status = 0;
    }
  }
  if (trace) std::fclose(trace);
  return status;
}
