#include "option/win32/advanced_page/key_repeat_dialog.h"

#include "option/app/advanced_page/key_repeat_layout.h"
#include "option/skin/skin_messages.h"
#include "option/skin/win32/placement.h"
#include "option/skin/win32/skin_resource_ids.h"
#include "option/win32/option_art_ids.h"
#include "settings/keyboard_repeat_range.h"

namespace brelfx {
namespace {

using namespace key_repeat_dialog;

constexpr SkinSetIds kSkin{BRELFX_IDB_KEY_REPEAT, BRELFX_IDB_KEY_REPEAT + 1,
                           BRELFX_IDB_KEY_REPEAT + 2, BRELFX_IDB_KEY_REPEAT + 3,
                           BRELFX_IDB_KEY_REPEAT + 4};

}  // namespace

CKeyRepeatDialog::CKeyRepeatDialog(ProfileRecord& profile) : SkinDialog(kSkin), profile_(profile) {}

bool CKeyRepeatDialog::OnInitDialog() {
  SetWindowTextA(hwnd(), "Key Repeat");
  session_.emplace(profile_, system_);
  PlaceEndButton(ok_, kOk, kDialogOk);
  PlaceEndButton(cancel_, kCancel, kDialogCancel);
  PlaceEndButton(exit_, kExit, kDialogCancel);
  PlaceSlider(hwnd(), delay_, kDelay, kRepeatDelaySliderId, BRELFX_IDB_SLIDER_THUMB_SMALL,
              kHighestKeyboardDelay, skin());
  delay_.SetPos(session_->DelaySliderPosition());
  PlaceSlider(hwnd(), rate_, kRate, kRepeatRateSliderId, BRELFX_IDB_SLIDER_THUMB_SMALL,
              kHighestKeyboardSpeed, skin());
  rate_.SetPos(session_->RateSliderPosition());
  test_.Create(WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, ToRect(ParseLayoutString(kTestField).rect),
               hwnd(), kTestFieldId);
  test_.SetColors(RGB(255, 255, 255), RGB(0, 0, 0));
  test_.SetTextLimit(kTestFieldLimit);
  return true;
}

void CKeyRepeatDialog::OnOk() {
  if (session_) session_->Keep();
  EndDialog(kDialogOk);
}

void CKeyRepeatDialog::OnCancel() {
  if (session_) session_->Restore();
  EndDialog(kDialogCancel);
}

LRESULT CKeyRepeatDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SLIDER_POS:
      if (session_) session_->OnSlider(static_cast<int>(lParam), static_cast<int>(wParam));
      return 0;
    case WM_DESTROY:
      // Gone without OK or Cancel: the session restores what it found.
      session_.reset();
      return SkinDialog::HandleMessage(message, wParam, lParam);
    default:
      return SkinDialog::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace brelfx
