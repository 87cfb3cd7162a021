// The Advanced page without its window: what each control stores into the
// current profile, and what the page shows for a profile. Every edit
// returns true when it changed a colour setting: the page then reloads
// itself and tells the main window, whose slot swatches follow.
#pragma once

#include <array>
#include <string>

#include "option/app/advanced_page/advanced_page_layout.h"
#include "option/app/slot_colors.h"
#include "settings/settings_block.h"

namespace brelfx::advanced_page {

enum class ColorMode { kSingle = 0, kCustom = 1, kFlow = 2 };

// What Load sets the controls to.
struct PageView {
  std::array<bool, kSwitchCount> switches{};
  int brightness = 0;
  int volume = 0;
  std::string dimmerCaption;
  std::string timeOutCaption;
  int colorMode = 0;                 // the mode button shown checked (none outside 0-2)
  int checkedSwatch = -1;            // 0-15; -1: no swatch is checked
  std::array<int, 3> customColor{};  // red, green, blue
  ColorRef customChip = 0;
};

PageView ViewOf(const ProfileRecord& profile);

// "No illumination" ... "Illumination 100%" for 0-5; empty for other values.
std::string DimmerText(int step);

// A switch's click: 1 or 0 into its field.
bool StoreSwitch(ProfileRecord& profile, Switch which, bool on);
// WM_SLIDER_POS of the brightness or the volume slider.
bool StoreSliderValue(ProfileRecord& profile, int sliderId, int value);
// A dimmer or time-out menu choice; false for other ids.
bool StoreMenuChoice(ProfileRecord& profile, unsigned id);
bool StoreColorMode(ProfileRecord& profile, ColorMode mode);
// Swatch 1-16: single-colour mode, its index and its colour's bytes.
bool StorePaletteSwatch(ProfileRecord& profile, int swatch);
// WM_SPIN_VALUE of the red, green or blue field.
bool StoreCustomColorByte(ProfileRecord& profile, int spinId, int value);
// The spectrum's pick: all three bytes of the custom colour.
bool StoreCustomColor(ProfileRecord& profile, ColorRef color);

}  // namespace brelfx::advanced_page
