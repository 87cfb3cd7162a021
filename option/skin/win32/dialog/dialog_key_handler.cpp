#include "option/skin/win32/dialog/dialog_key_handler.h"

#include <vector>

#include "option/skin/dialog/dialog_keys.h"

namespace brelfx {
namespace {

bool Belongs(HWND root, HWND window) {
  return window && (window == root || IsChild(root, window));
}

// Enabled as the user sees it: a disabled window disables everything in it.
bool EnabledUpTo(HWND root, HWND window) {
  for (HWND w = window; w && w != root; w = GetParent(w))
    if (!IsWindowEnabled(w)) return false;
  return true;
}

// Every control of `root` in window order, depth first (the controls of a
// page come where the page is; a spin field's edit where the field is).
void CollectControls(HWND parent, std::vector<HWND>& out) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    out.push_back(child);
    CollectControls(child, out);
  }
}

FocusKind KindOf(HWND root, HWND focus, const MSG& message) {
  if (!Belongs(root, focus) || focus == root) return FocusKind::kNone;
  const LRESULT code =
      SendMessageA(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  if (code & DLGC_WANTALLKEYS) return FocusKind::kOwnKeys;
  if (code & DLGC_BUTTON) return FocusKind::kButton;
  return FocusKind::kOther;
}

void MoveFocus(HWND root, bool backward) {
  std::vector<HWND> controls;
  CollectControls(root, controls);
  std::vector<FocusStop> stops;
  stops.reserve(controls.size());
  const HWND focus = GetFocus();
  int current = -1;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const HWND w = controls[i];
    RECT box;
    GetWindowRect(w, &box);
    const LONG style = GetWindowLongA(w, GWL_STYLE);
    stops.push_back(FocusStop{(style & WS_TABSTOP) != 0, IsWindowVisible(w) != FALSE,
                              EnabledUpTo(root, w), box.right - box.left, box.bottom - box.top});
    if (w == focus) current = static_cast<int>(i);
  }
  const int next = NextFocusStop(stops, current, backward);
  if (next >= 0) SetFocus(controls[static_cast<std::size_t>(next)]);
}

}  // namespace

bool HandleSkinDialogKey(HWND root, const MSG& message, DialogKeyTarget* target) {
  if (message.message != WM_KEYDOWN || !Belongs(root, message.hwnd)) return false;
  const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  const HWND focus = GetFocus();
  switch (
      DialogKeyFor(static_cast<unsigned>(message.wParam), shift, KindOf(root, focus, message))) {
    case DialogKeyAction::kFocusNext:
      MoveFocus(root, false);
      return true;
    case DialogKeyAction::kFocusPrevious:
      MoveFocus(root, true);
      return true;
    case DialogKeyAction::kClickFocused:
      SendMessageA(focus, BM_CLICK, 0, 0);
      return true;
    case DialogKeyAction::kOk:
      if (!target) return false;
      target->OnDialogOk();
      return true;
    case DialogKeyAction::kCancel:
      if (!target) return false;
      target->OnDialogCancel();
      return true;
    case DialogKeyAction::kNone:
      return false;
  }
  return false;
}

void FocusFirstControl(HWND root) {
  SetFocus(root);
  MoveFocus(root, false);
}

}  // namespace brelfx
