// The function menus against the trees users are given: which items, in
// which order, with which ids, for each page and button position.
#include "option/app/key_pages/function_menu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace brelfx {
namespace {

// "id text" for commands, "-" for separators, "[text: ...]" for submenus.
std::string Render(const MenuEntry& entry) {
  std::string out;
  for (const MenuEntry& item : entry.items) {
    if (!out.empty()) out += " | ";
    switch (item.kind) {
      case MenuEntry::Kind::kSeparator: out += "-"; break;
      case MenuEntry::Kind::kCommand:
        out += std::to_string(item.id) + " " + item.text + (item.highlight ? "*" : "");
        break;
      case MenuEntry::Kind::kSubmenu:
        out += "[" + item.text + (item.highlight ? "*" : "") + ": " + Render(item) + "]";
        break;
    }
  }
  return out;
}

// Only the top level, submenus by title.
std::string Outline(const MenuEntry& entry) {
  std::string out;
  for (const MenuEntry& item : entry.items) {
    if (!out.empty()) out += " | ";
    if (item.kind == MenuEntry::Kind::kSeparator) out += "-";
    else if (item.kind == MenuEntry::Kind::kSubmenu) out += "[" + item.text + "]";
    else out += std::to_string(item.id) + " " + item.text;
  }
  return out;
}

const MenuEntry* SubmenuNamed(const MenuEntry& entry, const std::string& text) {
  for (const MenuEntry& item : entry.items)
    if (item.kind == MenuEntry::Kind::kSubmenu && item.text == text) return &item;
  return nullptr;
}

MacroRecord Macro(const char* name) {
  MacroRecord record{};
  std::strcpy(record.Name, name);
  return record;
}

class FunctionMenuTest : public testing::Test {
 protected:
  MenuEntry Build(KeyPageKind kind, int position) {
    return BuildFunctionMenu(kind, position, key_, {macros_, timers_, *devices_});
  }

  KeyAssignment key_{};
  MacroLibrary macros_;
  TimerList timers_;
  std::unique_ptr<CompanionDeviceList> devices_ = std::make_unique<CompanionDeviceList>();
};

constexpr const char* kBelowSubmenus =
    "- | 1001 Standard | 1005 Assign a Shortcut | 1006 EMail | 1007 Calculator | "
    "1008 My Computer | 1009 IE Browser | 1010 Quicklaunch | 1011 Disabled | 1060 Open Driver";
constexpr const char* kSubmenus =
    "[Macro + Preset Function] | [Assign a Timer] | [Profile] | [Multimedia] | "
    "[Internet Explorer] | [System] | ";

TEST_F(FunctionMenuTest, MainPageTreeDependsOnTheButtonPosition) {
  const std::string standardLayer =
      std::string("1002 Vexa Brel FX | [Tarvek Talk] | ") + kSubmenus + kBelowSubmenus;
  const std::string vexaLayer = std::string(kSubmenus) + kBelowSubmenus;
  for (int p : {2, 3, 4, 5, 6, 12, 13, 14}) EXPECT_EQ(Outline(Build(KeyPageKind::kMain, p)), standardLayer) << p;
  for (int p : {7, 8, 9, 10, 11, 15, 16, 17}) EXPECT_EQ(Outline(Build(KeyPageKind::kMain, p)), vexaLayer) << p;
  EXPECT_EQ(Outline(Build(KeyPageKind::kMain, 0)),
            "1002 Vexa Brel FX | [Tarvek Talk] | - | 1001 Standard | 1011 Disabled");
  EXPECT_EQ(Outline(Build(KeyPageKind::kMain, 1)), "- | 1001 Standard | 1011 Disabled");
}

TEST_F(FunctionMenuTest, ZonixAndMediaTrees) {
  for (int p : {0, 19})
    EXPECT_EQ(Outline(Build(KeyPageKind::kZonix, p)),
              "[Macro + Preset Function] | [Assign a Timer] | - | 1001 Standard | "
              "1005 Assign a Shortcut | 1010 Quicklaunch | 1011 Disabled");
  for (int p : {0, 11})
    EXPECT_EQ(Outline(Build(KeyPageKind::kMedia, p)),
              "[Assign a Timer] | [Profile] | - | 1001 Standard | 1003 Macro-Play/Pause | "
              "1005 Assign a Shortcut | 1010 Quicklaunch | 1011 Disabled");
  for (int p : {12, 19})
    EXPECT_EQ(Outline(Build(KeyPageKind::kMedia, p)),
              "[Multimedia] | [Internet Explorer] | [System] | - | 1001 Standard | 1006 EMail | "
              "1007 Calculator | 1008 My Computer | 1009 IE Browser | 1011 Disabled");
}

TEST_F(FunctionMenuTest, FixedSubmenusHoldTheirCommandsInOrder) {
  const MenuEntry menu = Build(KeyPageKind::kMain, 2);
  EXPECT_EQ(Render(*SubmenuNamed(menu, "Profile")),
            "1020 Profile Cycle | 1021 Profile Up | 1022 Profile Down | 1023 Profile 1 | "
            "1024 Profile 2 | 1025 Profile 3 | 1026 Profile 4 | 1027 Profile 5");
  EXPECT_EQ(Render(*SubmenuNamed(menu, "Multimedia")),
            "1030 Windows Mute | 1031 Windows Volume Up | 1032 Windows Volume Down | - | "
            "1033 Open Player | 1034 Previous Track | 1035 Next Track | 1036 Play/Pause | 1037 Stop");
  EXPECT_EQ(Render(*SubmenuNamed(menu, "Internet Explorer")),
            "1040 WWW Search | 1041 WWW Home | 1042 WWW Back | 1043 WWW Forward | 1044 WWW Stop | "
            "1045 WWW Refresh | 1046 WWW Favorites");
  EXPECT_EQ(Render(*SubmenuNamed(menu, "System")), "1047 Shut Down | 1048 Sleep | 1049 Wake");
  EXPECT_EQ(Render(*SubmenuNamed(menu, "Assign a Timer")),
            "500 Create Timer | 501 Edit/Delete Timer | 502 Stop Timer");
  EXPECT_EQ(Render(*SubmenuNamed(menu, "Macro + Preset Function")),
            "1099 Create New Macro... | 1003 Macro-Play/Pause");
  EXPECT_EQ(Render(*SubmenuNamed(menu, "Tarvek Talk")), "11200 Vexa all devices");
  EXPECT_EQ(menu.minWidth, kMenuMinWidth);
  for (const MenuEntry& item : menu.items) {
    if (item.kind == MenuEntry::Kind::kSubmenu) {
      EXPECT_EQ(item.minWidth, kMenuMinWidth) << item.text;
    }
  }
}

TEST_F(FunctionMenuTest, MacroSetsListTheirMacrosAndHighlightTheKeysMacro) {
  macros_ = {{"World of Warcraft Classic", {}, {}},
             {"World of Warcraft", {Macro("Heal"), Macro("Run")}, {}},
             {"Xfire", {}, {}}, {"Mine", {Macro("Jump")}, {}}};
  key_.FunctionCode = kFnMacro;
  // The key's copy names them as a profile file may: other case, blanks around.
  std::strcpy(key_.MacroSetName, "world of warcraft ");
  std::strcpy(key_.MacroName, " RUN");
  EXPECT_EQ(Render(*SubmenuNamed(Build(KeyPageKind::kZonix, 0), "Macro + Preset Function")),
            "1099 Create New Macro... | 1003 Macro-Play/Pause | - | "
            "[World of Warcraft Classic: 11100 Edit Macro...] | "
            "[World of Warcraft*: 11101 Edit Macro... | - | 1200 Heal | 1201 Run*] | - | "
            "[Xfire: 11102 Edit Macro...] | - | "
            "[Mine: 11103 Edit Macro... | - | 1400 Jump]");
  // Another function: nothing is highlighted.
  key_.FunctionCode = kFnStandard;
  EXPECT_EQ(Render(*SubmenuNamed(Build(KeyPageKind::kZonix, 0), "Macro + Preset Function"))
                .find('*'),
            std::string::npos);
}

TEST_F(FunctionMenuTest, ListsStopAtTheLastIdTheHandlerKnows) {
  for (int i = 0; i < 101; ++i) {
    macros_.push_back({"Set " + std::to_string(i), {}, {}});
    for (int m = 0; m < (i == 99 ? 101 : 0); ++m) macros_.back().macros.push_back(Macro("M"));
  }
  for (int i = 0; i < 52; ++i) timers_.push_back(TimerRecord{60, "Tea"});
  const MenuEntry menu = Build(KeyPageKind::kZonix, 3);
  const MenuEntry& macroMenu = *SubmenuNamed(menu, "Macro + Preset Function");
  ASSERT_EQ(macroMenu.items.size(), 2u + 1u + 100u);
  const MenuEntry& lastSet = macroMenu.items.back();
  EXPECT_EQ(lastSet.text, "Set 99");
  EXPECT_EQ(lastSet.items.back().id, 11099u);
  EXPECT_EQ(lastSet.items.size(), 2u + 100u);
  const MenuEntry& timerMenu = *SubmenuNamed(menu, "Assign a Timer");
  ASSERT_EQ(timerMenu.items.size(), 4u + 50u);
  EXPECT_EQ(timerMenu.items[4].id, 505u);
  EXPECT_EQ(timerMenu.items.back().id, 554u);
  EXPECT_EQ(timerMenu.items.back().text, "Tea");
  // A full list cannot take another timer: "Create Timer" is greyed, not silently inert.
  EXPECT_FALSE(timerMenu.items[0].enabled);
  timers_.resize(49);
  EXPECT_TRUE(SubmenuNamed(Build(KeyPageKind::kZonix, 3), "Assign a Timer")->items[0].enabled);
}

TEST_F(FunctionMenuTest, TalkListsTheFirstTwentyDevicesWithTheirSteps) {
  devices_->Count = 21;
  for (int i = 0; i < 21; ++i) {
    CompanionDevice& device = devices_->Devices[i];
    std::snprintf(device.Name, sizeof(device.Name), "Mouse%d", i + 1);
    device.PID = static_cast<std::uint16_t>(0x100 + i);
    for (int s = 0; s < kCpiSteps; ++s) device.CPI[s] = (i == 1 && s == 4) ? 0 : 400 * (s + 1);
  }
  const MenuEntry menu = Build(KeyPageKind::kMain, 12);
  const MenuEntry& talk = *SubmenuNamed(menu, "Tarvek Talk");
  ASSERT_EQ(talk.items.size(), 2u + 20u);
  EXPECT_EQ(talk.items[2].text, "Tarvek Talk: Mouse1");
  EXPECT_EQ(talk.items[2].minWidth, kDeviceMenuMinWidth);
  EXPECT_EQ(Render(talk.items[2]),
            "11210 Vexa Mouse1 | 11211 Vexa Mouse1 Lock/Unlock | - | 11212 Kalim 400 DPI | "
            "11213 Kalim 800 DPI | 11214 Kalim 1200 DPI | 11215 Kalim 1600 DPI | 11216 Kalim 2000 DPI");
  EXPECT_EQ(talk.items[3].items.back().text, "Kalim #5");
  EXPECT_EQ(talk.items.back().text, "Tarvek Talk: Mouse20");
  EXPECT_EQ(talk.items.back().items.back().id, 11406u);
}

}  // namespace
}  // namespace brelfx
