#include "option/app/main_help_texts.h"

#include <utility>
#include <vector>

#include "option/help/help_ids.h"

namespace brelfx {
namespace {

// The string ids the help libraries of every language share.
std::vector<std::pair<std::string*, int>> TextsById(MainHelpTexts& t) {
  using namespace help_ids;
  std::vector<std::pair<std::string*, int>> ids = {
      {&t.min, kMinimize},          {&t.exit, kExit},
      {&t.tabs[0], kTabMain},       {&t.tabs[1], kTabZonix},
      {&t.tabs[2], kTabMedia},      {&t.tabs[3], kTabAdvanced},
      {&t.tabs[4], kTabTrovi},      {&t.tabs[5], kTabUpdate},
      {&t.create, kCreate},         {&t.load, kLoad},
      {&t.save, kSave},             {&t.edit, kEdit},
      {&t.offMarkers, kWindowsProfileOff}, {&t.onMarkers, kWindowsProfileOn},
      {&t.ok, kOk},                 {&t.apply, kApply},
      {&t.cancel, kCancel}};
  for (int slot = 0; slot < kProfileCount; ++slot) {
    ids.emplace_back(&t.slotButtons[slot], kSlotButton1 + slot);
    ids.emplace_back(&t.slotNames[slot], kSlotName1 + slot);
  }
  return ids;
}

}  // namespace

void LoadMainHelpTexts(StringSource& strings, MainHelpTexts& texts) {
  for (auto [text, id] : TextsById(texts))
    if (auto found = strings.Text(id)) *text = std::move(*found);
}

}  // namespace brelfx
