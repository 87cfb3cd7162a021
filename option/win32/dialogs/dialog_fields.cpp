#include "option/win32/dialogs/dialog_fields.h"

#include <algorithm>

#include "option/app/timers/timer_rules.h"
#include "option/skin/layout_string.h"
#include "option/skin/spin_rules.h"
#include "option/skin/win32/placement.h"

namespace brelfx {
namespace {

constexpr COLORREF kFieldText = RGB(255, 255, 255);
constexpr COLORREF kFieldBackground = RGB(0, 0, 0);
// The spin field's arrows sit 34-50 pixels into it: a narrower layout
// rectangle would cut them.
constexpr int kSpinWidth = 50;
constexpr int kSecondsSpinId = 1;

}  // namespace

void PlaceTextField(HWND owner, CBitmapEdit& field, const char* layout, std::size_t limit,
                    const std::string& text) {
  field.Create(WS_VISIBLE | WS_TABSTOP, ToRect(ParseLayoutString(layout).rect), owner, 0);
  field.SetColors(kFieldText, kFieldBackground);
  field.SetTextLimit(limit);
  field.SetTextSilently(text);
}

void PlaceSecondsField(HWND owner, CSpinEdit& spin, const char* layout, const SkinSet& skin,
                       int seconds) {
  RECT rect = ToRect(ParseLayoutString(layout).rect);
  rect.right = std::max<LONG>(rect.right, rect.left + kSpinWidth);
  spin.Create(rect, owner, kSecondsSpinId);
  spin.SetSkin(skin);
  spin.SetRange(kTimerMinSeconds, kTimerMaxSeconds);
  spin.SetValue(seconds);
}

int SecondsOf(CSpinEdit& spin) { return ClampTimerSeconds(ParseLeadingInt(spin.Edit().Text())); }

}  // namespace brelfx
