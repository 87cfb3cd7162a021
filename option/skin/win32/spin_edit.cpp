#include "option/skin/win32/spin_edit.h"

#include "option/skin/skin_messages.h"
#include "option/skin/win32/help_text.h"

namespace brelfx {
namespace {

constexpr const char* kSpinClass = "BrelFX.SpinEdit";
// Places inside the field.
constexpr RECT kUpArrow{34, 0, 50, 8};
constexpr RECT kDownArrow{34, 9, 50, 17};
constexpr RECT kEditRect{1, 1, 32, 16};

RECT Offset(const RECT& r, const RECT& by) {
  return RECT{r.left + by.left, r.top + by.top, r.right + by.left, r.bottom + by.top};
}

}  // namespace

CSpinEdit::~CSpinEdit() {
  DestroyWindowNow();
}

bool CSpinEdit::Create(const RECT& rect, HWND owner, int id) {
  if (!RegisterWindowClass(kSpinClass)) return false;
  rect_ = rect;
  owner_ = owner;
  id_ = id;
  return CreateWindowObject(0, kSpinClass, "", WS_CHILD | WS_VISIBLE, rect, owner,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr &&
         edit_.hwnd() != nullptr;
}

void CSpinEdit::SetSkin(const SkinSet& skin) {
  const HBITMAP n = skin.Image(SkinRole::kNormal), h = skin.Image(SkinRole::kHover),
                p = skin.Image(SkinRole::kPressed), d = skin.Image(SkinRole::kExtra);
  up_.SetStateImages(Offset(kUpArrow, rect_), n, h, p, d);
  down_.SetStateImages(Offset(kDownArrow, rect_), n, h, p, d);
}

void CSpinEdit::SetRange(int minimum, int maximum) {
  range_.minimum = minimum;
  range_.maximum = maximum;
}

void CSpinEdit::SetValue(int value) {
  Apply(SpinOnSetValue(value));
}

void CSpinEdit::SetHelpText(const std::string& text) {
  up_.SetTooltip(text);
  down_.SetTooltip(text);
  edit_.SetHelpText(text);
}

LRESULT CSpinEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_EDIT_NOTIFY:
      return OnEditNotify(wParam);
    case WM_KEYDOWN:  // Up and Down from the edit: as the arrows
      if (wParam == VK_UP || wParam == VK_DOWN) {
        if (const auto next = SpinOnArrow(edit_.Text(), wParam == VK_UP, range_)) Apply(*next);
      }
      return 0;
    case WM_COMMAND:
      return OnCommand(reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
      return TRUE;  // the edit and the arrows cover the field
    default:
      if (message == BitmapEditKillFocusMessage()) return OnEditKillFocus();
      return Default(message, wParam, lParam);
  }
}

LRESULT CSpinEdit::OnCreate() {
  // The arrows carry no tooltip of their own; they show the field's help.
  if (!up_.Create(hwnd(), kUpArrow) || !down_.Create(hwnd(), kDownArrow) ||
      !edit_.Create(WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER, kEditRect, hwnd(),
                    kEditId)) {
    return -1;
  }
  edit_.SetColors(RGB(255, 255, 255), RGB(0, 0, 0));
  edit_.SetNumeric(true);
  // The field is one stop for Tab: its edit. Up and Down there step the value.
  for (HWND arrow : {up_.hwnd(), down_.hwnd()})
    SetWindowLongPtrA(arrow, GWL_STYLE, GetWindowLongPtrA(arrow, GWL_STYLE) & ~WS_TABSTOP);
  edit_.SetArrowKeysToParent(true);
  return 0;
}

void CSpinEdit::Apply(const SpinOutcome& outcome) {
  value_ = outcome.value;
  if (outcome.newText) {
    // The outcome alone decides the report; the rewrite must not add an echo.
    edit_.SetTextSilently(*outcome.newText);
    if (outcome.caretToEnd) {
      const WPARAM end = outcome.newText->size();
      SendMessageA(edit_.hwnd(), EM_SETSEL, end, end);
    }
  }
  if (outcome.report) PostMessageA(owner_, WM_SPIN_VALUE, static_cast<WPARAM>(value_), id_);
}

LRESULT CSpinEdit::OnEditNotify(WPARAM kind) {
  if (kind == kEditNotifyEscape) return 0;
  Apply(SpinOnEditNotify(edit_.Text(), kind == kEditNotifyEnter, range_));
  return 0;
}

LRESULT CSpinEdit::OnEditKillFocus() {
  Apply(SpinOnKillFocus(edit_.Text(), range_));
  return 0;
}

LRESULT CSpinEdit::OnCommand(HWND control) {
  if (control != up_.hwnd() && control != down_.hwnd()) return 0;
  if (const auto next = SpinOnArrow(edit_.Text(), control == up_.hwnd(), range_)) Apply(*next);
  return 0;
}

}  // namespace brelfx
