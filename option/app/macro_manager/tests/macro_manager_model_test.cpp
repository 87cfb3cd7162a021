#include "option/app/macro_manager/macro_manager_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "option/app/macro_manager/macro_set_menu.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

MacroRecord Macro(const std::string& name, int events = 0) {
  MacroRecord macro{};
  SetTextField(macro.Name, name);
  macro.Loop = 1;
  macro.EventCount = events;
  for (int e = 0; e < events; ++e) macro.Events[e] = MacroEvent{4, 1, 10};
  return macro;
}

MacroLibrary Library(std::vector<std::string> setNames) {
  MacroLibrary library;
  for (const std::string& name : setNames) library.push_back(MacroSet{name, {}, MacroSetState::kUnchanged});
  return library;
}

// The menu as text: "id text" for commands (with * when highlighted), "-" for separators.
std::vector<std::string> Lines(const std::vector<MenuEntry>& entries) {
  std::vector<std::string> lines;
  for (const MenuEntry& entry : entries)
    lines.push_back(entry.kind == MenuEntry::Kind::kSeparator
                        ? "-"
                        : std::to_string(entry.id) + " " + entry.text + (entry.highlight ? "*" : ""));
  return lines;
}

TEST(MacroSetMenu, DividesTheGameFamiliesAndEndsWithAddAndDelete) {
  const MacroLibrary library = Library({"Raid", "World of Warcraft", " Pvp ", "Xfire", "Farm"});
  EXPECT_EQ(Lines(macro_set_menu::Build(library, "PVP")),
            (std::vector<std::string>{"2000 Raid", "2001 World of Warcraft", "-", "2002 Pvp*",
                                      "2003 Xfire", "-", "2004 Farm", "-", "2998 [+]Add Macro Set",
                                      "2999 [x]Delete Macro Set"}));
  EXPECT_EQ(Lines(macro_set_menu::Build({}, "")),
            (std::vector<std::string>{"-", "2998 [+]Add Macro Set", "2999 [x]Delete Macro Set"}));
  EXPECT_EQ(macro_set_menu::SetOfCommand(2004, library), 4);
  EXPECT_FALSE(macro_set_menu::SetOfCommand(2005, library));
  EXPECT_FALSE(macro_set_menu::SetOfCommand(2998, library));
}

TEST(MacroManagerModel, SetsAreTrimmedUniqueLimitedAndDeletionMovesTheSelection) {
  const MacroLibrary original = Library({"Raid", "Farm", "Pvp"});
  MacroManagerModel model(original);
  EXPECT_FALSE(model.AddSet("  farm "));
  EXPECT_FALSE(model.AddSet("   "));
  EXPECT_FALSE(model.AddSet("setmacro"));  // the file's list section
  ASSERT_TRUE(model.AddSet("  Boss fights "));
  EXPECT_EQ(model.library().back().name, "Boss fights");
  EXPECT_EQ(model.library().back().state, MacroSetState::kCreated);
  EXPECT_EQ(model.selectedSet(), 3);
  EXPECT_EQ(original.size(), 3u);  // a working copy: Cancel keeps the library

  model.SelectSet(1);
  ASSERT_TRUE(model.DeleteSelectedSet());
  EXPECT_EQ(model.selectedSet(), 1);  // now Pvp
  model.SelectSet(2);
  ASSERT_TRUE(model.DeleteSelectedSet());
  EXPECT_EQ(model.selectedSet(), 1);  // the last one
  model.DeleteSelectedSet();
  model.DeleteSelectedSet();
  EXPECT_EQ(model.selectedSet(), -1);
  EXPECT_FALSE(model.DeleteSelectedSet());

  MacroManagerModel full(Library({}));
  for (int s = 0; s < kMostMacroSets; ++s) ASSERT_TRUE(full.AddSet("Set " + std::to_string(s)));
  EXPECT_FALSE(full.AddSet("One more"));
}

TEST(MacroManagerModel, NewMacrosAreNamedOnceLimitedAndDeletionMovesTheSelection) {
  MacroLibrary library = Library({"Raid"});
  library[0].macros = {Macro("open door", 6), Macro("close door", 4)};
  MacroManagerModel model(library);
  EXPECT_EQ(model.CheckNewMacro(), NewMacroCheck::kNoSet);
  EXPECT_FALSE(model.AddMacro("loot"));

  model.SelectSet(0);
  EXPECT_FALSE(model.AddMacro(" OPEN DOOR "));
  EXPECT_FALSE(model.AddMacro("  "));
  EXPECT_EQ(model.library()[0].state, MacroSetState::kUnchanged);
  ASSERT_TRUE(model.AddMacro("  a name far longer than the list allows"));
  EXPECT_EQ(model.MacroNames(),
            (std::vector<std::string>{"open door", "close door", "a name far longer than"}));
  EXPECT_EQ(model.selectedMacro(), 2);
  EXPECT_EQ(model.SelectedMacroRecord()->Loop, 1);
  EXPECT_EQ(model.SelectedMacroRecord()->EventCount, 0);
  EXPECT_EQ(model.library()[0].state, MacroSetState::kModified);

  model.SelectMacro(0);
  ASSERT_TRUE(model.DeleteSelectedMacro());
  EXPECT_EQ(TextField(model.SelectedMacroRecord()->Name), "close door");  // same row
  model.SelectMacro(1);
  ASSERT_TRUE(model.DeleteSelectedMacro());
  EXPECT_EQ(model.selectedMacro(), 0);  // the last one
  model.SelectMacro(-1);
  EXPECT_FALSE(model.DeleteSelectedMacro());
  EXPECT_EQ(library[0].macros.size(), 2u);

  while (model.CheckNewMacro() == NewMacroCheck::kAllowed)
    ASSERT_TRUE(model.AddMacro("m" + std::to_string(model.MacroNames().size())));
  EXPECT_EQ(model.MacroNames().size(), static_cast<std::size_t>(kMostMacrosPerSet));
  EXPECT_EQ(model.CheckNewMacro(), NewMacroCheck::kListFull);
}

TEST(MacroManagerModel, OpensOnTheKeysMacroElseOnTheRequestedSet) {
  EXPECT_TRUE(ChooseMacroManagerOpening({}, nullptr, 0).askForSetFirst);

  MacroLibrary library = Library({"Raid", "Farm"});
  library[1].macros = {Macro("loot"), Macro("sell")};
  KeyAssignment key{};
  key.FunctionCode = kFnMacro;
  SetTextField(key.MacroSetName, "farm");
  SetTextField(key.MacroName, "SELL");
  MacroManagerOpening opening = ChooseMacroManagerOpening(library, &key, 0);
  EXPECT_FALSE(opening.askForSetFirst);
  EXPECT_EQ(opening.set, 1);
  EXPECT_EQ(opening.macro, 1);

  key.FunctionCode = kFnShortcut;  // the names left in a key that holds no macro count for nothing
  opening = ChooseMacroManagerOpening(library, &key, 0);
  EXPECT_EQ(opening.set, 0);
  EXPECT_EQ(opening.macro, -1);
  EXPECT_EQ(ChooseMacroManagerOpening(library, nullptr, -1).set, -1);
  EXPECT_EQ(ChooseMacroManagerOpening(library, nullptr, 7).set, -1);
}

}  // namespace
}  // namespace brelfx
