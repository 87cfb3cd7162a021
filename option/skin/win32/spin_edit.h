// CSpinEdit: a numeric field with up and down arrows (skinned buttons) and a
// skinned edit; reports WM_SPIN_VALUE (value, id) to its owner.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/spin_rules.h"
#include "option/skin/win32/bitmap_edit.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_image.h"
#include "platform/win32/window.h"

namespace brelfx {

class CSpinEdit : public Window {
 public:
  static constexpr int kEditId = 401;

  ~CSpinEdit() override;

  bool Create(const RECT& rect, HWND owner, int id);
  // Cuts the arrows' state images from the owner's skin at their places.
  void SetSkin(const SkinSet& skin);
  void SetRange(int minimum, int maximum);
  void SetStep(int step) { range_.step = step; }
  // Shows `value`; the owner is not told (it set the value itself).
  void SetValue(int value);
  void SetHelpText(const std::string& text);

  int Value() const { return value_; }
  int Id() const { return id_; }
  CBitmapEdit& Edit() { return edit_; }
  CSkinButton& UpArrow() { return up_; }
  CSkinButton& DownArrow() { return down_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnCreate();
  LRESULT OnEditNotify(WPARAM kind);
  LRESULT OnEditKillFocus();
  LRESULT OnCommand(HWND control);
  void Apply(const SpinOutcome& outcome);

  CSkinButton up_;
  CSkinButton down_;
  CBitmapEdit edit_;
  RECT rect_{};
  HWND owner_ = nullptr;
  int id_ = 0;
  int value_ = 0;
  SpinRange range_{0, 255, 1};
};

}  // namespace brelfx
