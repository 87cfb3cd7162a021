#include "option/win32/slot_name_label.h"

namespace brelfx {
namespace {

constexpr COLORREF kActiveName = RGB(68, 191, 255);
constexpr COLORREF kName = RGB(200, 208, 218);

}  // namespace

void CSlotNameLabel::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  // The window text as well, for screen readers (and the end-to-end test).
  SetWindowTextA(hwnd(), name_.c_str());
  Repaint();
}

void CSlotNameLabel::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  Repaint();
}

void CSlotNameLabel::PaintOver(HDC dc, const RECT& rect) {
  if (!font_) {
    font_.reset(CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, "Arial"));
  }
  const HGDIOBJ old = SelectObject(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, active_ ? kActiveName : kName);
  RECT text{rect.left + 5, rect.top, rect.right - 3, rect.bottom};
  // Profile names are the system's ANSI text.
  DrawTextA(dc, name_.c_str(), static_cast<int>(name_.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, old);
}

}  // namespace brelfx
