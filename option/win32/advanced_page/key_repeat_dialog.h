// The key repeat dialog: the Windows keyboard delay and rate of the current
// profile on two sliders, applied to Windows while the user tries them in
// the test field. OK keeps them; Cancel, Exit and any other end (the main
// window closed from outside) restore what the dialog found.
#pragma once

#include <optional>

#include "option/app/advanced_page/key_repeat_session.h"
#include "option/skin/win32/bitmap_edit.h"
#include "option/skin/win32/dialog/skin_dialog.h"
#include "option/skin/win32/slider.h"
#include "platform/win32/system_keyboard_repeat.h"

namespace brelfx {

class CKeyRepeatDialog final : public SkinDialog {
 public:
  explicit CKeyRepeatDialog(ProfileRecord& profile);
  ~CKeyRepeatDialog() override { DestroyWindowNow(); }

 protected:
  bool OnInitDialog() override;
  void OnOk() override;
  void OnCancel() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  ProfileRecord& profile_;
  Win32SystemKeyboardRepeat system_;
  std::optional<KeyRepeatSession> session_;
  CclickHSlider delay_, rate_;
  CBitmapEdit test_;
  CSkinButton ok_, cancel_, exit_;
};

}  // namespace brelfx
