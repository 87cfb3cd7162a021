#include "settings/macro_library.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/text_field.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using test::ReadFileText;
using test::WriteFileText;

MacroRecord Macro(const char* name, int events, int loop = 1) {
  MacroRecord macro{};
  SetTextField(macro.Name, name);
  macro.Loop = loop;
  macro.EventCount = events;
  for (int e = 0; e < events; ++e)
    macro.Events[e] = MacroEvent{static_cast<std::uint8_t>(4 + e / 2),
                                 static_cast<std::uint8_t>(1 + e % 2), static_cast<std::uint16_t>(10 * e)};
  return macro;
}

MacroSet Set(const char* name, std::vector<MacroRecord> macros,
             MacroSetState state = MacroSetState::kCreated) {
  return MacroSet{name, std::move(macros), state};
}

// Names of sets and, per set, of its macros: what a reader of the library sees.
std::vector<std::string> Names(const MacroLibrary& library) {
  std::vector<std::string> names;
  for (const MacroSet& set : library) {
    std::string line = set.name + ":";
    for (const MacroRecord& macro : set.macros)
      line += " " + TextField(macro.Name) + "/" + std::to_string(macro.EventCount);
    names.push_back(line);
  }
  return names;
}

KeyAssignment KeyWith(const char* set, const MacroRecord& macro) {
  KeyAssignment key{};
  key.FunctionCode = kFnMacro;
  SetTextField(key.MacroSetName, set);
  SetTextField(key.MacroName, TextField(macro.Name));
  key.RepeatCount = macro.Loop;
  key.ActionCount = static_cast<std::uint16_t>(macro.EventCount);
  std::memcpy(key.Actions, macro.Events, sizeof(key.Actions));
  return key;
}

class MacroLibraryTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::string path_ = MacroLibraryFilePath(folder_.path());
  test::FaultyFileSystem fs_;
  ProfileRecord profiles_[kProfileCount]{};
};

TEST_F(MacroLibraryTest, DeletedSetsLeaveTheirSectionsUnreadAndTheListIsRenumbered) {
  MacroLibrary library{Set("Raid", {Macro("open door", 4)}), Set("  Farm ", {Macro("loot", 2)}),
                       Set("Pvp", {Macro("burst", 6, 3)})};
  ASSERT_TRUE(SaveMacroLibrary(path_, library, fs_));  // the config folder is made on the way
  // The section of a set named with blanks around it has the trimmed name.
  EXPECT_NE(ReadFileText(path_).find("\r\n[Farm]\r\nnumber=1\r\n"), std::string::npos);
  EXPECT_EQ(LoadMacroLibrary(path_, fs_).size(), 3u);

  library.erase(library.begin());
  ASSERT_TRUE(SaveMacroLibrary(path_, library, fs_));
  const std::string text = ReadFileText(path_);
  EXPECT_EQ(text.rfind("[SetMacro]\r\nnumber=2\r\n0=  Farm \r\n1=Pvp\r\n2=Pvp\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("[Raid]"), std::string::npos);  // left, never read
  const MacroLibrary loaded = LoadMacroLibrary(path_, fs_);
  // The profile functions drop the blanks around a value.
  EXPECT_EQ(Names(loaded), (std::vector<std::string>{"Farm: loot/2", "Pvp: burst/6"}));
  EXPECT_EQ(std::memcmp(&loaded[1].macros[0], &library[1].macros[0], sizeof(MacroRecord)), 0);
}

TEST_F(MacroLibraryTest, OnlyChangedSetsAreRewrittenAndOnlyWhenTheWriteWorked) {
  MacroLibrary library{Set("Raid", {Macro("a", 2)}), Set("Farm", {Macro("b", 2)})};
  ASSERT_TRUE(SaveMacroLibrary(path_, library, fs_));
  EXPECT_EQ(library[0].state, MacroSetState::kUnchanged);

  // Raid's section is damaged by hand; an unchanged Raid does not repair it,
  // a modified Farm is written.
  std::string text = ReadFileText(path_);
  text.replace(text.find("[Raid]\r\nnumber=1"), 16, "[Raid]\r\nnumber=7");
  WriteFileText(path_, text);
  library[1].macros.push_back(Macro("c", 4));
  library[1].state = MacroSetState::kModified;
  ASSERT_TRUE(SaveMacroLibrary(path_, library, fs_));
  EXPECT_EQ(Names(LoadMacroLibrary(path_, fs_)),
            (std::vector<std::string>{"Raid: a/2 /0 /0 /0 /0 /0 /0", "Farm: b/2 c/4"}));

  // A write cut short keeps the old file and the set marked for the next save.
  library[1].macros.pop_back();
  library[1].state = MacroSetState::kModified;
  fs_.failingWrite = fs_.writes + 1;
  EXPECT_FALSE(SaveMacroLibrary(path_, library, fs_));
  EXPECT_EQ(library[1].state, MacroSetState::kModified);
  EXPECT_EQ(Names(LoadMacroLibrary(path_, fs_))[1], "Farm: b/2 c/4");
}

TEST_F(MacroLibraryTest, ProfileMacrosComeBackIntoTheLibrary) {
  const MacroRecord door = Macro("open door", 4), loot = Macro("loot", 2);
  MacroLibrary library{Set("Farm", {Macro("LOOT ", 6)}, MacroSetState::kUnchanged),
                       Set("Pvp", {}, MacroSetState::kUnchanged)};
  profiles_[0].MacroKeyInfo[2] = KeyWith("Raid", door);  // set missing
  profiles_[4].MacroKeyInfo[35] = KeyWith(" raid", Macro("close door", 2));  // now there
  profiles_[1].MacroKeyInfo[0] = KeyWith("farm", loot);  // differs from "LOOT "
  profiles_[2].MacroKeyInfo[7] = KeyWith("Pvp", loot);   // macro missing
  profiles_[3].MacroKeyInfo[36] = KeyWith("Beyond", loot);  // key past 35: ignored
  KeyAssignment shortcut = KeyWith("Other", loot);
  shortcut.FunctionCode = kFnShortcut;
  profiles_[3].MacroKeyInfo[1] = shortcut;
  profiles_[3].MacroKeyInfo[3] = KeyWith("SetMacro", loot);  // would overwrite the list

  ASSERT_TRUE(SyncMacroLibraryWithProfiles(library, profiles_));
  EXPECT_EQ(Names(library), (std::vector<std::string>{"Farm: LOOT /2", "Pvp: loot/2",
                                                      "Raid: open door/4 close door/2"}));
  EXPECT_EQ(library[0].state, MacroSetState::kModified);
  EXPECT_EQ(library[1].state, MacroSetState::kCreated);
  EXPECT_EQ(library[2].state, MacroSetState::kCreated);
  const MacroLookup found = FindMacro(library, profiles_[0].MacroKeyInfo[2]);
  EXPECT_TRUE(found.found() && found.identical);
  EXPECT_EQ(std::memcmp(&library[found.set].macros[found.macro], &door, sizeof(door)), 0);

  // Saved and loaded at the next start, nothing is left to reconcile.
  ASSERT_TRUE(SaveMacroLibrary(path_, library, fs_));
  MacroLibrary next = LoadMacroLibrary(path_, fs_);
  EXPECT_FALSE(SyncMacroLibraryWithProfiles(next, profiles_));
  EXPECT_EQ(Names(next), Names(library));
}

TEST_F(MacroLibraryTest, FindMacroComparesEventsUpToTheCountOnly) {
  MacroLibrary library{Set("Raid", {Macro("door", 4, 2)})};
  KeyAssignment key = KeyWith(" RAID ", library[0].macros[0]);
  key.RepeatCount = 9;                   // the loop value is not compared
  key.Actions[10] = MacroEvent{9, 9, 9};  // nor anything past the count
  MacroLookup lookup = FindMacro(library, key);
  EXPECT_TRUE(lookup.found() && lookup.identical);
  key.Actions[3].Delay = 1;
  lookup = FindMacro(library, key);
  EXPECT_TRUE(lookup.found() && !lookup.identical);
  SetTextField(key.MacroName, "window");
  lookup = FindMacro(library, key);
  EXPECT_EQ(lookup.set, 0);
  EXPECT_FALSE(lookup.found());
}

TEST_F(MacroLibraryTest, DamagedFilesLoadSafely) {
  EXPECT_TRUE(LoadMacroLibrary(path_, fs_).empty());
  // Counts no library ever had, and every set naming one section, must not
  // exhaust the memory; a name filling all 52 bytes stays a C string.
  MacroRecord full = Macro("", 0);
  std::memset(full.Name, 'x', sizeof(full.Name));
  MacroLibrary library{Set("A", {full})};
  ASSERT_TRUE(SaveMacroLibrary(path_, library, fs_));
  EXPECT_EQ(TextField(LoadMacroLibrary(path_, fs_)[0].macros[0].Name), std::string(51, 'x'));
  WriteFileText(path_, "[SetMacro]\r\nnumber=2147483647\r\n0=A\r\n1=a\r\n[A]\r\nnumber=2147483647\r\n");
  std::size_t macros = 0;
  for (const MacroSet& set : LoadMacroLibrary(path_, fs_)) macros += set.macros.size();
  EXPECT_LE(macros, 20000u);
}

}  // namespace
}  // namespace brelfx
