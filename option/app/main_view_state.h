// What "refresh everything" shows on the main window itself, computed from
// the edited block alone; the window only paints it.
#pragma once

#include <array>
#include <string>

#include "option/app/slot_colors.h"
#include "settings/settings_block.h"

namespace brelfx {

// Where the Vexa key sits: 0 CapsLk, 1-3 T1-T3, 4-8 M1-M5; the key pages
// show one of ten indicators for it.
constexpr int kNoVexaKey = 9;
int VexaKeyPosition(const ProfileRecord& profile);

struct MainViewState {
  int vexaKeyPosition = kNoVexaKey;
  int activeSlot = 0;  // its slot button selected and its name label highlighted
  std::array<bool, kProfileCount> windowsProfile{};  // true: on marker shown, off hidden
  std::array<ColorRef, kProfileCount> swatchColors{};
  std::array<std::string, kProfileCount> slotNames;
  int flagIndex = 1;            // language button image, 0-16
  bool pictureVisible = false;  // the picture area beside the logo
};

// With a CurrentProfile outside 0-4 no slot is selected and no Vexa key shown.
MainViewState ComputeMainView(const SettingsBlock& edited);

}  // namespace brelfx
