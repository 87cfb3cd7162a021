#include "option/app/main_help_texts.h"

#include <utility>
#include <vector>

namespace brelfx {
namespace {

// The string ids of the help libraries; only the ids are fixed, so libraries
// of every language line up.
std::vector<std::pair<std::string*, int>> TextsById(MainHelpTexts& t) {
  std::vector<std::pair<std::string*, int>> ids = {
      {&t.min, 1001},        {&t.exit, 1002},      {&t.tabs[0], 1003},   {&t.tabs[1], 1033},
      {&t.tabs[2], 1039},    {&t.tabs[3], 1043},   {&t.tabs[4], 1072},   {&t.tabs[5], 1058},
      {&t.create, 1013},     {&t.load, 1014},      {&t.save, 1015},      {&t.edit, 1016},
      {&t.offMarkers, 1027}, {&t.onMarkers, 1028}, {&t.ok, 1029},        {&t.apply, 1030},
      {&t.cancel, 1031}};
  for (int slot = 0; slot < kProfileCount; ++slot) {
    ids.emplace_back(&t.slotButtons[slot], 1017 + slot);
    ids.emplace_back(&t.slotNames[slot], 1022 + slot);
  }
  return ids;
}

}  // namespace

void LoadMainHelpTexts(StringSource& strings, MainHelpTexts& texts) {
  for (auto [text, id] : TextsById(texts))
    if (auto found = strings.Text(id)) *text = std::move(*found);
}

}  // namespace brelfx
