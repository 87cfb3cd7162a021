#include "option/skin/win32/lists/in_place_edit.h"

#include <utility>

namespace brelfx {

CInPlaceEdit::~CInPlaceEdit() {
  open_ = false;  // no report from a dying edit
  DestroyWindowNow();
}

bool CInPlaceEdit::Open(HWND parent, const RECT& rect, const std::string& text, std::size_t limit,
                        Done done) {
  if (open_) Finish(InPlaceEditEnd::kFocusLost);
  DestroyWindowNow();
  if (!Create(WS_VISIBLE | WS_BORDER, rect, parent, 0)) return false;
  SetColors(RGB(255, 255, 255), RGB(0, 0, 0));
  SetTextLimit(limit);
  SetTextSilently(text);
  // Above the list it covers.
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  done_ = std::move(done);
  open_ = true;
  SetFocus(hwnd());
  SendMessageA(hwnd(), EM_SETSEL, 0, -1);
  return true;
}

void CInPlaceEdit::Finish(InPlaceEditEnd end) {
  if (!open_) return;
  open_ = false;  // before hiding: hiding takes the focus and would finish again
  const std::optional<std::string> result = FinishInPlaceEdit(Text(), end);
  ShowWindow(hwnd(), SW_HIDE);
  Done done = std::move(done_);
  if (done) done(result);
}

std::optional<LRESULT> CInPlaceEdit::OnReflected(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) return 0;  // no WM_EDIT_NOTIFY, no BitmapEdit_KillFocus
  return CBitmapEdit::OnReflected(message, wParam, lParam);
}

LRESULT CInPlaceEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return Default(message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        Finish(wParam == VK_RETURN ? InPlaceEditEnd::kEnter : InPlaceEditEnd::kEscape);
        return 0;
      }
      return CBitmapEdit::HandleMessage(message, wParam, lParam);
    case WM_CHAR:
      if (wParam == '\r' || wParam == 0x1B) return 0;  // no beep for the keys above
      return CBitmapEdit::HandleMessage(message, wParam, lParam);
    case WM_KILLFOCUS:
      Finish(InPlaceEditEnd::kFocusLost);
      return CBitmapEdit::HandleMessage(message, wParam, lParam);
    default:
      return CBitmapEdit::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace brelfx
