#include "option/skin/win32/dialog/skin_dialog.h"

#include "option/skin/dialog/dialog_placement.h"
#include "option/skin/win32/placement.h"

namespace brelfx {
namespace {

constexpr const char* kDialogClass = "BrelFX.SkinDialog";

SkinRect ToSkinRect(const RECT& r) {
  return SkinRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

SkinDialog::SkinDialog(const SkinSetIds& skin) : SkinWindow(DragMoves::kSelf), ids_(skin) {}

SkinDialog::~SkinDialog() {
  DestroyWindowNow();
}

int SkinDialog::RunModal(HWND owner) {
  if (running_ || !RegisterWindowClass(kDialogClass)) return -1;
  owner_ = owner;
  result_ = kDialogCancel;
  ended_ = false;
  endButtons_.clear();
  // The owner, not the parent: the dialog is a top-level window that stays
  // above its owner and goes with it.
  if (!CreateWindowObject(WS_EX_TOOLWINDOW, kDialogClass, "", WS_POPUP | WS_CLIPCHILDREN,
                          RECT{0, 0, 1, 1}, owner, nullptr)) {
    return -1;
  }
  MoveToStartPosition();
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  FocusFirstControl(hwnd());
  running_ = true;
  RunMessageLoop();
  running_ = false;
  // The owner is enabled before the dialog goes, so it is activated again.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  DestroyWindowNow();
  if (owner) SetActiveWindow(owner);
  return result_;
}

void SkinDialog::RunMessageLoop() {
  MSG message;
  while (!ended_) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit for the outer loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      result_ = kDialogCancel;
      return;
    }
    if (HandleSkinDialogKey(hwnd(), message, this)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void SkinDialog::EndDialog(int code) {
  result_ = code;
  ended_ = true;
  // Wakes the loop should the end come from outside any message.
  if (hwnd()) PostMessageA(hwnd(), WM_NULL, 0, 0);
}

void SkinDialog::MoveToStartPosition() {
  RECT window;
  GetWindowRect(hwnd(), &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  POINT origin;
  if (position_) {
    origin = *position_;
  } else {
    RECT owner{};
    if (owner_) GetWindowRect(owner_, &owner);
    RECT screen{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    const DialogOrigin centred =
        CentredDialogOrigin(ToSkinRect(owner), width, height, ToSkinRect(screen));
    origin = POINT{centred.x, centred.y};
  }
  SetWindowPos(hwnd(), nullptr, origin.x, origin.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LayoutItem SkinDialog::PlaceEndButton(CSkinButton& button, const char* layout, int code) {
  const LayoutItem item = PlaceSkinButton(hwnd(), button, layout, skin());
  endButtons_.push_back(EndButton{button.hwnd(), code});
  return item;
}

LRESULT SkinDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_COMMAND:
      return OnCommand(wParam, reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
      OnCancel();
      return 0;
    case WM_DESTROY:
      ended_ = true;  // destroyed from outside (its owner went): the loop stops
      return 0;
    default:
      return SkinWindow::HandleMessage(message, wParam, lParam);
  }
}

LRESULT SkinDialog::OnCreate() {
  if (!LoadSkin(ids_)) return -1;
  ApplyShape();
  return OnInitDialog() ? 0 : -1;
}

LRESULT SkinDialog::OnCommand(WPARAM wParam, HWND control) {
  for (const EndButton& end : endButtons_) {
    if (control && control == end.window) {
      end.code == kDialogOk ? OnOk() : OnCancel();
      return 0;
    }
  }
  OnControlCommand(LOWORD(wParam), HIWORD(wParam), control);
  return 0;
}

}  // namespace brelfx
