// What the main window paints for the model: the window implements this and
// decides nothing itself.
#pragma once

#include <string>

#include "option/app/main_help_texts.h"
#include "option/app/main_view_state.h"
#include "option/app/support_links.h"

namespace brelfx {

// The version texts painted on the window and handed to the Update page with
// the support links built from them.
struct VersionTexts {
  std::string program;
  std::string firmware;
  SupportLinks links;
};

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  // Slot buttons, markers, swatches, name labels, flag and picture area.
  virtual void ShowMainView(const MainViewState& state) = 0;
  virtual void ShowVersionTexts(const VersionTexts& versions) = 0;
  // The language decides the help area's font (see HelpAreaFontFor).
  virtual void ShowHelpTexts(const MainHelpTexts& texts, int quickHelpLan) = 0;
};

}  // namespace brelfx
