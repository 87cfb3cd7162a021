#include "option/app/macro_manager/macro_set_menu.h"

#include "settings/trimmed_name.h"

namespace brelfx::macro_set_menu {

std::vector<MenuEntry> Build(const MacroLibrary& library, std::string_view highlightedSet) {
  std::vector<MenuEntry> items;
  const auto command = [](unsigned id, std::string text, bool highlight) {
    return MenuEntry{MenuEntry::Kind::kCommand, id, std::move(text), highlight, 0, {}};
  };
  const MenuEntry separator{MenuEntry::Kind::kSeparator, 0, {}, false, 0, {}};
  for (std::size_t s = 0; s < library.size(); ++s) {
    const std::string name = TrimmedName(library[s].name);
    items.push_back(command(kFirstSet + static_cast<unsigned>(s), name,
                            !highlightedSet.empty() && SameName(name, highlightedSet)));
    if (EndsMacroSetGroup(name)) items.push_back(separator);
  }
  items.push_back(separator);
  items.push_back(command(kAddSet, "[+]Add Macro Set", false));
  items.push_back(command(kDeleteSet, "[x]Delete Macro Set", false));
  return items;
}

std::optional<int> SetOfCommand(unsigned id, const MacroLibrary& library) {
  if (id < kFirstSet || id - kFirstSet >= library.size()) return std::nullopt;
  return static_cast<int>(id - kFirstSet);
}

}  // namespace brelfx::macro_set_menu
