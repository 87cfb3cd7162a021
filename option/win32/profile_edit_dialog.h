// The profile edit dialog of Create and Edit: the profile's name and the
// three programs whose start switches the keyboard to it, each with a browse
// button. OK hands the fields back in the form.
#pragma once

#include <array>

#include "option/app/profile_edit_form.h"
#include "option/skin/win32/bitmap_edit.h"
#include "option/skin/win32/dialog/skin_dialog.h"

namespace brelfx {

class CProfileEditDialog final : public SkinDialog {
 public:
  explicit CProfileEditDialog(ProfileEditForm& form);
  ~CProfileEditDialog() override { DestroyWindowNow(); }

 protected:
  bool OnInitDialog() override;
  void OnOk() override;
  void OnControlCommand(unsigned id, unsigned code, HWND control) override;

 private:
  ProfileEditForm& form_;
  CBitmapEdit name_;
  std::array<CBitmapEdit, kGamePathCount> paths_;
  std::array<CSkinButton, kGamePathCount> browse_;
  CSkinButton ok_, cancel_, exit_;
};

}  // namespace brelfx
