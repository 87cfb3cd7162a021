// The Advanced page: illumination, brightness, the key switches, sound
// feedback, the reset and the key repeat dialog. Every control's change goes
// straight into the current profile of the edited block (advanced_page
// edits); colour changes reload the page and tell the main window, whose
// slot swatches follow.
#pragma once

#include <array>
#include <functional>

#include "option/app/advanced_page/advanced_page_edits.h"
#include "option/skin/drop_down_guard.h"
#include "option/skin/win32/color_picker_wnd.h"
#include "option/skin/win32/color_swatch_button.h"
#include "option/skin/win32/skin_menu.h"
#include "option/skin/win32/slider.h"
#include "option/skin/win32/spin_edit.h"
#include "option/win32/option_pages.h"

namespace brelfx {

class CAdvancedPage final : public CPageWnd {
 public:
  // `resetConfiguration` runs after the user confirmed the reset: the main
  // window resets the edited block, reloads every page and applies.
  explicit CAdvancedPage(std::function<void()> resetConfiguration);
  ~CAdvancedPage() override;

  void Reload(SettingsBlock& edited) override;
  void ReloadStrings(StringSource& strings) override;

 protected:
  void OnCreatePage() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  ProfileRecord* CurrentProfile() const;
  void Show(const advanced_page::PageView& view);
  void OnCommand(unsigned id, HWND control);
  // Runs one edit on the current profile; a colour change reloads and announces.
  void Edit(const std::function<bool(ProfileRecord&)>& edit);
  void OpenDimmerMenu();
  void OpenTimeOutMenu();
  void ConfirmReset();
  void OpenKeyRepeat();

  std::function<void()> resetConfiguration_;
  SettingsBlock* edited_ = nullptr;
  std::array<CSkinButton, advanced_page::kSwitchCount> switches_;
  CclickHSlider volume_, brightness_;
  CSkinButton dimmer_, timeOut_, reset_, keyRepeat_;
  std::array<CSkinButton, 3> colorModes_;
  std::array<CSkinButton, 16> palette_;
  std::array<CSpinEdit, 3> customColor_;
  CColorSwatchButton chip_;
  CColorPickerWnd spectrum_;
  DropDownGuard dimmerGuard_, timeOutGuard_;
  UniqueFont menuFont_;
};

}  // namespace brelfx
