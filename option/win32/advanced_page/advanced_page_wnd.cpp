#include "option/win32/advanced_page/advanced_page_wnd.h"

#include <optional>
#include <string>

#include "option/help/help_ids.h"
#include "option/skin/skin_messages.h"
#include "option/skin/win32/dialog/message_dialogs.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/placement.h"
#include "option/skin/win32/skin_resource_ids.h"
#include "option/win32/advanced_page/key_repeat_dialog.h"
#include "option/win32/main_window_layout.h"
#include "option/win32/option_art_ids.h"
#include "option/win32/page_help_texts.h"

namespace brelfx {
namespace {

using namespace advanced_page;

constexpr int kSpectrumId = 600;

SkinSetIds IdsFrom(int first) {
  return {first, first + 1, first + 2, first + 3, first + 4};
}

class ResetQuestion final : public CConfirmDialog {
 public:
  ResetQuestion()
      : CConfirmDialog(
            IdsFrom(BRELFX_IDB_CONFIRM_RESET),
            ConfirmLayout{layout::kConfirmOk, layout::kConfirmCancel, layout::kConfirmExit}) {}
};

}  // namespace

CAdvancedPage::CAdvancedPage(std::function<void()> resetConfiguration)
    : CPageWnd({0, BRELFX_IDB_ADVANCED_PAGE + BRELFX_SKIN_NORMAL,
                BRELFX_IDB_ADVANCED_PAGE + BRELFX_SKIN_HOVER,
                BRELFX_IDB_ADVANCED_PAGE + BRELFX_SKIN_PRESSED,
                BRELFX_IDB_ADVANCED_PAGE + BRELFX_SKIN_EXTRA}),
      resetConfiguration_(std::move(resetConfiguration)) {}

CAdvancedPage::~CAdvancedPage() {
  DestroyWindowNow();
}

void CAdvancedPage::OnCreatePage() {
  const HWND self = hwnd();
  const SkinSet& set = skin();
  menuFont_ = CreateSkinFont("Arial", 14, 5);
  // In the order the page has always created them: it is the Tab order.
  for (int i = 0; i <= static_cast<int>(Switch::kSensitivitySound); ++i)
    PlaceSkinButton(self, switches_[i], kSwitches[i], set, true);
  PlaceSlider(self, volume_, kSoundVolume, kVolumeSliderId, BRELFX_IDB_SLIDER_THUMB, kHighestVolume,
              set);
  for (int i = static_cast<int>(Switch::kTab); i <= static_cast<int>(Switch::kLeftShift); ++i)
    PlaceSkinButton(self, switches_[i], kSwitches[i], set, true);
  PlaceSkinButton(self, dimmer_, kDimmer, set);
  PlaceSkinButton(self, timeOut_, kTimeOut, set);
  PlaceSkinButton(self, reset_, kReset, set);
  PlaceSlider(self, brightness_, kBrightness, kBrightnessSliderId, BRELFX_IDB_SLIDER_THUMB,
              kHighestBrightness, set);
  for (const Switch s : {Switch::kLighting, Switch::kBreathing})
    PlaceSkinButton(self, switches_[static_cast<int>(s)], kSwitches[static_cast<int>(s)], set,
                    true);
  for (int i = 0; i < 3; ++i) PlaceSkinButton(self, colorModes_[i], kColorModes[i], set);
  for (int i = 0; i < 16; ++i) PlaceSkinButton(self, palette_[i], kPaletteSwatches[i], set);
  for (int i = 0; i < 3; ++i) {
    CSpinEdit& spin = customColor_[i];
    if (!spin.Create(ToRect(ParseLayoutString(kCustomColorSpins[i]).rect), self, kRedSpinId + i))
      continue;
    spin.SetSkin(set);
    spin.SetRange(0, kHighestColorByte);
  }
  PlaceSkinButton(self, chip_, kCustomColorChip, set);
  spectrum_.Create(ToRect(ParseLayoutString(kSpectrum).rect), self, kSpectrumId,
                   BRELFX_IDB_COLOR_SPECTRUM, BRELFX_IDB_COLOR_MARKER);
  PlaceSkinButton(self, keyRepeat_, kKeyRepeat, set);
  if (edited_) Reload(*edited_);
}

ProfileRecord* CAdvancedPage::CurrentProfile() const {
  if (!edited_ || edited_->CurrentProfile < 0 || edited_->CurrentProfile >= kProfileCount)
    return nullptr;
  return &edited_->Profiles[edited_->CurrentProfile];
}

void CAdvancedPage::Reload(SettingsBlock& edited) {
  edited_ = &edited;
  if (!hwnd()) return;
  if (const ProfileRecord* profile = CurrentProfile()) Show(ViewOf(*profile));
}

void CAdvancedPage::Show(const PageView& view) {
  for (int i = 0; i < kSwitchCount; ++i) switches_[i].SetChecked(view.switches[i]);
  brightness_.SetPos(view.brightness);
  volume_.SetPos(view.volume);
  dimmer_.SetCaption(view.dimmerCaption);
  timeOut_.SetCaption(view.timeOutCaption);
  for (int i = 0; i < 3; ++i) colorModes_[i].SetChecked(view.colorMode == i);
  for (int i = 0; i < 16; ++i) palette_[i].SetChecked(view.checkedSwatch == i);
  for (int i = 0; i < 3; ++i) {
    // A field being typed in already shows its value; writing it again
    // would put the caret back to the start under the user's fingers.
    if (customColor_[i].Value() != view.customColor[i] || customColor_[i].Edit().Text().empty())
      customColor_[i].SetValue(view.customColor[i]);
  }
  chip_.SetColor(static_cast<COLORREF>(view.customChip));
}

void CAdvancedPage::ReloadStrings(StringSource& strings) {
  constexpr std::pair<Switch, unsigned> kSwitchTexts[] = {
      {Switch::kLighting, help_ids::kLightSwitch},
      {Switch::kBreathing, help_ids::kBreathing},
      {Switch::kLiveRecordingSound, help_ids::kSoundLiveRecording},
      {Switch::kProfileSwitchSound, help_ids::kSoundProfileSwitch},
      {Switch::kTrophySound, help_ids::kSoundTrophy},
      {Switch::kTab, help_ids::kKeyTab},
      {Switch::kLeftWindow, help_ids::kKeyLeftWindows},
      {Switch::kRightWindow, help_ids::kKeyRightWindows},
      {Switch::kAppKey, help_ids::kKeyApplication},
      {Switch::kLeftShift, help_ids::kKeyLeftShift}};
  for (const auto& [which, id] : kSwitchTexts)
    SetTooltipFrom(strings, switches_[static_cast<int>(which)], id);
  const unsigned modeIds[] = {help_ids::kSingleColor, help_ids::kCustomColor, help_ids::kFlowColor};
  for (int i = 0; i < 3; ++i) SetTooltipFrom(strings, colorModes_[i], modeIds[i]);
  for (CSkinButton& swatch : palette_)
    SetTooltipFrom(strings, swatch, help_ids::kPaletteSwatch);
  SetTooltipFrom(strings, chip_, help_ids::kCustomColorChip);
  SetTooltipFrom(strings, dimmer_, help_ids::kDimmer);
  SetTooltipFrom(strings, timeOut_, help_ids::kTimeOut);
  SetTooltipFrom(strings, reset_, help_ids::kReset);
  SetTooltipFrom(strings, keyRepeat_, help_ids::kKeyRepeat);
  SetHelpTextFrom(strings, brightness_, help_ids::kBrightness);
  SetHelpTextFrom(strings, volume_, help_ids::kSoundVolume);
  for (CSpinEdit& spin : customColor_) SetHelpTextFrom(strings, spin, help_ids::kColorValue);
  SetHelpTextFrom(strings, spectrum_, help_ids::kColorSpectrum);
}

LRESULT CAdvancedPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_SLIDER_POS:
      Edit([&](ProfileRecord& p) {
        return StoreSliderValue(p, static_cast<int>(lParam), static_cast<int>(wParam));
      });
      return 0;
    case WM_SPIN_VALUE:
      Edit([&](ProfileRecord& p) {
        return StoreCustomColorByte(p, static_cast<int>(lParam), static_cast<int>(wParam));
      });
      return 0;
    case WM_COLOR_PICKED:
      Edit([&](ProfileRecord& p) { return StoreCustomColor(p, spectrum_.GetColor()); });
      return 0;
    default:
      return CPageWnd::HandleMessage(message, wParam, lParam);
  }
}

void CAdvancedPage::OnCommand(unsigned id, HWND control) {
  if (!control) {  // a dimmer or time-out menu choice
    Edit([id](ProfileRecord& p) { return StoreMenuChoice(p, id); });
    if (const ProfileRecord* profile = CurrentProfile()) Show(ViewOf(*profile));
    return;
  }
  for (int i = 0; i < kSwitchCount; ++i) {
    if (control != switches_[i].hwnd()) continue;
    const bool on = switches_[i].IsChecked();
    return Edit([i, on](ProfileRecord& p) { return StoreSwitch(p, static_cast<Switch>(i), on); });
  }
  for (int i = 0; i < 3; ++i)
    if (control == colorModes_[i].hwnd())
      return Edit([i](ProfileRecord& p) { return StoreColorMode(p, static_cast<ColorMode>(i)); });
  for (int i = 0; i < 16; ++i)
    if (control == palette_[i].hwnd())
      return Edit([i](ProfileRecord& p) { return StorePaletteSwatch(p, i + 1); });
  if (control == chip_.hwnd())
    return Edit([](ProfileRecord& p) { return StoreColorMode(p, ColorMode::kCustom); });
  if (control == dimmer_.hwnd()) return OpenDimmerMenu();
  if (control == timeOut_.hwnd()) return OpenTimeOutMenu();
  if (control == reset_.hwnd()) return ConfirmReset();
  if (control == keyRepeat_.hwnd()) return OpenKeyRepeat();
}

void CAdvancedPage::Edit(const std::function<bool(ProfileRecord&)>& edit) {
  ProfileRecord* profile = CurrentProfile();
  if (!profile || !edit(*profile)) return;
  Show(ViewOf(*profile));
  SendMessageA(GetParent(hwnd()), WM_PROFILE_COLORS, 0, 0);
}

void CAdvancedPage::OpenDimmerMenu() {
  const ProfileRecord* profile = CurrentProfile();
  if (!profile) return;
  CSkinMenu menu(menuFont_.get());
  menu.SetMinWidth(kDimmerMenuMinWidth);
  for (int step = 0; step < kDimmerSteps; ++step)
    menu.AppendItem(kDimmerMenuFirst + step, DimmerText(step), nullptr,
                    step == profile->DimmerOption);
  TrackDropDownMenu(menu, dimmer_, hwnd(), dimmerGuard_);
}

void CAdvancedPage::OpenTimeOutMenu() {
  const ProfileRecord* profile = CurrentProfile();
  if (!profile) return;
  CSkinMenu menu(menuFont_.get());
  menu.SetMinWidth(kTimeOutMenuMinWidth);
  for (int value = 1; value <= kLongestTimeOut; ++value)
    menu.AppendItem(kTimeOutMenuFirst + value - 1, std::to_string(value), nullptr,
                    value == profile->LtTimeout);
  TrackDropDownMenu(menu, timeOut_, hwnd(), timeOutGuard_);
}

void CAdvancedPage::ConfirmReset() {
  ResetQuestion question;
  if (question.RunModal(GetAncestor(hwnd(), GA_ROOT)) == kDialogOk && resetConfiguration_)
    resetConfiguration_();
}

void CAdvancedPage::OpenKeyRepeat() {
  if (ProfileRecord* profile = CurrentProfile()) {
    CKeyRepeatDialog dialog(*profile);
    dialog.RunModal(GetAncestor(hwnd(), GA_ROOT));
  }
}

}  // namespace brelfx
