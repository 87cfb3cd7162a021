// The help texts of the main window's own controls (the pages load theirs),
// shown in the help area while the mouse is over the control.
#pragma once

#include <array>
#include <string>

#include "option/app/page.h"
#include "option/app/string_source.h"
#include "settings/settings_block.h"

namespace brelfx {

struct MainHelpTexts {
  std::string min, exit;
  std::array<std::string, kPageCount> tabs;
  std::string create, load, save, edit;
  std::array<std::string, kProfileCount> slotButtons, slotNames;
  std::string offMarkers, onMarkers;  // one text for all five of a kind
  std::string ok, apply, cancel;
  std::string language = " ";  // a blank: the flag speaks for itself
};

// Takes every text the library has; a text it lacks stays as it was.
void LoadMainHelpTexts(StringSource& strings, MainHelpTexts& texts);

}  // namespace brelfx
