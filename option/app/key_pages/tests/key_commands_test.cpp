// What each function-menu command does to the key of the current profile:
// the code from the table users are given, the data that goes with it, the
// clearing of what no longer belongs, the dialogs' OK and Cancel, the timer
// limit and the shift-pair rule.
#include "option/app/key_pages/key_commands.h"
#include "option/app/key_pages/shortcut_bits.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/block_defaults.h"

namespace brelfx {
namespace {

class ScriptedUi final : public KeyCommandUi {
 public:
  bool CreateTimer(const TimerList&, std::string& name, int& seconds) override {
    ++opened;
    name = "Pizza";
    seconds = 720;
    return ok;
  }
  bool EditTimers(TimerList& timers) override {
    ++opened;
    timers.erase(timers.begin());
    return ok;
  }
  bool AskShortcut(ShortcutKeys& keys) override {
    ++opened;
    shownShortcut = keys;
    keys = {0x0E, 0x06};  // Ctrl+Shift+K
    return ok;
  }
  bool AskQuickLaunch(std::string& path) override {
    ++opened;
    shownPath = path;
    path = chosenPath;
    return ok;
  }
  void OpenMacroManager(bool newMacro, int set, const KeyAssignment* key) override {
    macroManagerNew = newMacro;
    macroManagerSet = set;
    macroManagerKey = key;
  }

  bool ok = true;
  int opened = 0;
  ShortcutKeys shownShortcut;
  std::string shownPath, chosenPath = "C:\\Games\\game.exe";
  int macroManagerSet = -2;
  bool macroManagerNew = false;
  const KeyAssignment* macroManagerKey = nullptr;
};

class KeyCommandsTest : public testing::Test {
 protected:
  KeyCommandsTest() {
    SetDefaults(*block_, 1033);
    block_->CurrentProfile = 2;
    MacroRecord macro{};
    std::strcpy(macro.Name, "Combo");
    macro.Loop = 3;
    macro.EventCount = 2;
    macro.Events[0] = {0x04, 1, 10};
    macro.Events[1] = {0x04, 2, 20};
    macros_ = {{"Set A", {}, {}}, {"Set B", {MacroRecord{}, macro}, {}}};
    timers_ = {TimerRecord{90, "Eggs"}, TimerRecord{300, "Tea"}};
    devices_->Count = 2;
    devices_->Devices[1].PID = 0x1234;
  }

  bool Run(unsigned id, int key) { return RunKeyCommand(id, key, context_); }
  KeyAssignment& Key(int index) { return block_->Profiles[2].MacroKeyInfo[index]; }
  int Changed(int index) { return block_->KeyChanged[2][index]; }

  std::unique_ptr<SettingsBlock> block_ = std::make_unique<SettingsBlock>();
  MacroLibrary macros_;
  TimerList timers_;
  std::unique_ptr<CompanionDeviceList> devices_ = std::make_unique<CompanionDeviceList>();
  ScriptedUi ui_;
  int saves_ = 0;
  ShiftPairs shiftPairs_;
  KeyCommandContext context_{*block_, macros_, timers_,
                             [this](const TimerList&) { return ++saves_ > 0; },
                             *devices_, ui_, shiftPairs_};
};

struct CommandCode {
  unsigned id;
  int code;
};

// The menu id to function code table, row by row.
constexpr CommandCode kTable[] = {
    {1011, 0},    {1047, 129},  {1048, 130},  {1049, 131},  {11200, 140}, {1021, 176},
    {1022, 177},  {1020, 178},  {1023, 179},  {1024, 180},  {1025, 181},  {1026, 182},
    {1027, 183},  {1005, 184},  {1010, 185},  {1003, 186},  {505, 188},   {554, 188},
    {502, 189},   {1100, 190},  {11099, 190}, {1006, 192},  {1007, 193},  {1008, 194},
    {1009, 195},  {1040, 196},  {1041, 197},  {1042, 198},  {1043, 199},  {1044, 200},
    {1045, 201},  {1046, 202},  {1033, 203},  {1036, 204},  {1035, 205},  {1034, 206},
    {1037, 207},  {1031, 208},  {1032, 209},  {1030, 210},  {1060, 221},  {1001, 239},
    {11210, 245}, {11211, 246}, {11212, 247}, {11216, 251}, {11400, 245}, {1002, 255}};

TEST(FunctionCodeFor, MenuIdsGiveTheirCodes) {
  for (const auto& [id, code] : kTable) EXPECT_EQ(FunctionCodeFor(id), code) << id;
  for (unsigned id : {500u, 501u, 503u, 504u, 555u, 1099u, 11100u, 11199u, 11207u, 1004u, 1012u})
    EXPECT_EQ(FunctionCodeFor(id), std::nullopt) << id;
}

TEST_F(KeyCommandsTest, PlainFunctionStoresItsCodeAndClearsMacroData) {
  KeyAssignment& key = Key(12);  // Zonix 3
  key.ActionCount = 2;
  key.RepeatCount = 5;
  key.Actions[1] = {0x05, 2, 7};
  std::strcpy(key.MacroSetName, "Set");
  std::strcpy(key.MacroName, "Old");
  ASSERT_TRUE(Run(1025, 12));
  EXPECT_EQ(key.FunctionCode, 181);
  EXPECT_EQ(key.ActionCount, 0);
  EXPECT_EQ(key.RepeatCount, 0);
  EXPECT_EQ(key.Actions[1].Code, 0);
  EXPECT_STREQ(key.MacroSetName, "");
  EXPECT_STREQ(key.MacroName, "");
  EXPECT_EQ(Changed(12), 1);
  EXPECT_EQ(block_->KeyChanged[0][12], 0);  // only the current profile
}

TEST_F(KeyCommandsTest, MacroTimerAndDeviceBringTheirData) {
  ASSERT_TRUE(Run(1100 + 100 * 1 + 1, 15));
  EXPECT_EQ(Key(15).FunctionCode, kFnMacro);
  EXPECT_STREQ(Key(15).MacroSetName, "Set B");
  EXPECT_STREQ(Key(15).MacroName, "Combo");
  EXPECT_EQ(Key(15).RepeatCount, 3);
  EXPECT_EQ(Key(15).ActionCount, 2);
  EXPECT_EQ(Key(15).Actions[1].Delay, 20);

  ASSERT_TRUE(Run(506, 15));
  EXPECT_EQ(Key(15).FunctionCode, 188);
  EXPECT_EQ(Key(15).TimerLength, 300);
  EXPECT_STREQ(Key(15).TimerName, "Tea");
  EXPECT_EQ(Key(15).ActionCount, 0);
  EXPECT_STREQ(Key(15).MacroName, "");

  ASSERT_TRUE(Run(11200 + 20 + 3, 30));
  EXPECT_EQ(Key(30).FunctionCode, 248);
  EXPECT_EQ(Key(30).TargetPid, 0x1234u);
  ASSERT_TRUE(Run(11200, 31));
  EXPECT_EQ(Key(31).TargetPid, 0xFFFFu);

  // Positions that no longer exist leave the key alone.
  const KeyAssignment before = Key(16);
  for (unsigned gone : {507u, 1100u + 100u * 2u, 1100u + 2u, 11230u}) EXPECT_FALSE(Run(gone, 16)) << gone;
  EXPECT_EQ(std::memcmp(&before, &Key(16), sizeof(before)), 0);
  EXPECT_EQ(Changed(16), 0);
}

TEST_F(KeyCommandsTest, ShortcutAndQuickLaunchOnlyChangeTheKeyOnOk) {
  KeyAssignment& key = Key(0);
  ASSERT_TRUE(Run(1005, 0));
  EXPECT_EQ(key.FunctionCode, kFnShortcut);
  EXPECT_EQ(key.ActionCount, 1);
  EXPECT_EQ(key.Actions[0].Code, 0x0E);
  EXPECT_EQ(key.Actions[0].Type, 0x06);

  ui_.ok = false;
  ASSERT_FALSE(Run(1005, 0));
  EXPECT_EQ(ui_.shownShortcut.usage, 0x0E);  // the dialog starts from the key's shortcut
  EXPECT_EQ(ui_.shownShortcut.modifiers, 0x06);
  ASSERT_FALSE(Run(1010, 0));
  EXPECT_EQ(key.FunctionCode, kFnShortcut);
  EXPECT_EQ(key.Actions[0].Code, 0x0E);

  ui_.ok = true;
  ASSERT_TRUE(Run(1010, 0));
  EXPECT_EQ(ui_.shownPath, "");  // not a quick launch before
  EXPECT_EQ(key.FunctionCode, kFnQuickLaunch);
  EXPECT_STREQ(key.LaunchPath, "C:\\Games\\game.exe");
  EXPECT_EQ(key.ActionCount, 0);
  ASSERT_TRUE(Run(1010, 0));
  EXPECT_EQ(ui_.shownPath, "C:\\Games\\game.exe");

  // A path the record cannot hold whole is not cut into another program's.
  ui_.chosenPath = "C:\\" + std::string(300, 'x') + ".exe";
  EXPECT_FALSE(Run(1010, 0));
  EXPECT_STREQ(key.LaunchPath, "C:\\Games\\game.exe");
}

TEST_F(KeyCommandsTest, TimerListCommandsSaveTheListAndLeaveTheKey) {
  const KeyAssignment before = Key(20);
  EXPECT_FALSE(Run(500, 20));
  ASSERT_EQ(timers_.size(), 3u);
  EXPECT_STREQ(timers_[2].name, "Pizza");
  EXPECT_EQ(timers_[2].seconds, 720);
  EXPECT_EQ(saves_, 1);
  EXPECT_FALSE(Run(501, 20));
  EXPECT_EQ(timers_.size(), 2u);
  EXPECT_STREQ(timers_[0].name, "Tea");
  EXPECT_EQ(saves_, 2);

  ui_.ok = false;  // cancelled: nothing saved, nothing lost
  EXPECT_FALSE(Run(500, 20));
  EXPECT_FALSE(Run(501, 20));
  EXPECT_EQ(timers_.size(), 2u);
  EXPECT_EQ(saves_, 2);
  EXPECT_EQ(std::memcmp(&before, &Key(20), sizeof(before)), 0);

  // The manager opens for the key whose menu it came from.
  EXPECT_FALSE(Run(1099, 20));
  EXPECT_TRUE(ui_.macroManagerNew);
  EXPECT_EQ(ui_.macroManagerSet, -1);
  EXPECT_EQ(ui_.macroManagerKey, &Key(20));
  EXPECT_FALSE(Run(11101, 21));
  EXPECT_FALSE(ui_.macroManagerNew);
  EXPECT_EQ(ui_.macroManagerSet, 1);
  EXPECT_EQ(ui_.macroManagerKey, &Key(21));
}

TEST_F(KeyCommandsTest, CreateTimerIsRefusedAtFiftyAndEditNeedsATimer) {
  ui_.ok = true;
  timers_.assign(49, TimerRecord{60, "T"});
  Run(500, 0);
  ASSERT_EQ(timers_.size(), 50u);
  const int opened = ui_.opened;
  Run(500, 0);  // the 51st could never be assigned
  EXPECT_EQ(timers_.size(), 50u);
  EXPECT_EQ(ui_.opened, opened);

  timers_.clear();
  Run(501, 0);
  EXPECT_EQ(ui_.opened, opened);
}

TEST_F(KeyCommandsTest, VexaOnAStandardKeyBlocksItsTwinUntilItIsTakenBack) {
  Key(5).FunctionCode = 0xC0;  // EM1: EMail
  ASSERT_TRUE(Run(1002, 0));   // M1 becomes the Vexa key
  EXPECT_EQ(Key(5).FunctionCode, kFnDisabledToo);
  EXPECT_EQ(Changed(5), 1);
  ASSERT_TRUE(Run(11200, 0));  // another Vexa code: EM1 stays blocked, its function kept
  EXPECT_EQ(Key(5).FunctionCode, kFnDisabledToo);
  block_->KeyChanged[2][5] = 0;
  ASSERT_TRUE(Run(1001, 0));  // back to standard: EM1 gets EMail again
  EXPECT_EQ(Key(5).FunctionCode, 0xC0);
  EXPECT_EQ(Changed(5), 1);

  // Never blocked before: the twin keeps its code.
  ASSERT_TRUE(Run(1023, 32));
  EXPECT_EQ(Key(35).FunctionCode, 0xC0);
  EXPECT_EQ(Changed(35), 1);

  // A twin that was already blocked when the Vexa code came is released to 0.
  Key(6).FunctionCode = kFnDisabledToo;
  ASSERT_TRUE(Run(1002, 1));
  ASSERT_TRUE(Run(1001, 1));
  EXPECT_EQ(Key(6).FunctionCode, kFnDisabled);

  // The same code again runs no rule; a Vexa-layer key has no twin.
  Key(7).FunctionCode = 0xC1;
  Key(2).FunctionCode = kFnStandard;
  ASSERT_TRUE(Run(1001, 2));
  EXPECT_EQ(Key(7).FunctionCode, 0xC1);
  EXPECT_EQ(Changed(7), 0);
  ASSERT_TRUE(Run(1002, 8));
  EXPECT_EQ(Key(3).FunctionCode, DefaultFunctionCode(3));
}

}  // namespace
}  // namespace brelfx

namespace brelfx {
namespace {

TEST(ShortcutBits, TickedBoxesGiveTheStoredByteAndBack) {
  EXPECT_EQ(ModifierBits({false, true, true, false, false}), 0x06);  // Ctrl+Shift
  EXPECT_EQ(ModifierBits({false, false, false, true, true}), 0x18);
  EXPECT_EQ(ModifierBits({true, true, true, true, true}), 0x01);  // None wins alone
  const ShortcutFlags ctrlShift = FlagsFromModifierBits(0x06);
  EXPECT_FALSE(ctrlShift.none);
  EXPECT_TRUE(ctrlShift.ctrl && ctrlShift.shift && !ctrlShift.alt && !ctrlShift.win);
  EXPECT_TRUE(FlagsFromModifierBits(0x00).none);
  EXPECT_TRUE(FlagsFromModifierBits(0x07).none);
}

}  // namespace
}  // namespace brelfx
