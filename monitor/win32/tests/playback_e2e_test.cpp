// Playback in the real BrelFXMonitor.exe: keys of the simulated keyboard that
// hold a shortcut, a macro or a countdown are pressed with brelfx-sim; the
// input the monitor injects is watched from a second process, and the sounds
// it plays are read from its debugger output (one "PlaySound:" line each).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "monitor/tests/win32/input_witness_process.h"
#include "monitor/win32/tests/debug_output_listener.h"
#include "monitor/win32/tests/monitor_folder_test.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "settings/block_defaults.h"
#include "settings/ini_file.h"
#include "settings/settings_block.h"
#include "settings/settings_files.h"

namespace brelfx {
namespace {

using test::InputWitness;
using test::SoundsPlayed;
using test::WaitUntil;
using test::WitnessKeyLine;

// Items of the simulated keyboard's keys (key index + 1) in profile 1.
constexpr char kShortcutItem[] = "1";
constexpr char kMacroItem[] = "2";
constexpr char kTimerItem[] = "3";
constexpr std::uint8_t kCtrlBit = 0x04;

class PlaybackEndToEnd : public test::MonitorFolderTest {
 protected:
  void SetUp() override {
    MonitorFolderTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    CopyWaveFiles();
    WriteProfiles();
  }

  void CopyWaveFiles() {
    const std::string from = test::TestProgramFolder() + "Wave\\Volume\\";
    CreateDirectoryA(Path("Wave").c_str(), nullptr);
    CreateDirectoryA(Path("Wave\\Volume").c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "*.wav").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << from;
    do {
      ASSERT_TRUE(CopyFileA((from + found.cFileName).c_str(),
                            Path(std::string("Wave\\Volume\\") + found.cFileName).c_str(), FALSE));
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }

  // Profile 1: Ctrl+A on key 1, a macro on key 2, a 5-second countdown on
  // key 3, loudest sounds; profile 2 quietest. Both announce profile changes
  // (the default).
  void WriteProfiles() {
    auto block = std::make_unique<SettingsBlock>();
    SetDefaults(*block, 0x409);
    ProfileRecord& first = block->Profiles[0];
    KeyAssignment& shortcut = first.MacroKeyInfo[0];
    shortcut.FunctionCode = kFnShortcut;
    shortcut.Actions[0] = {0x04, kCtrlBit, 0};
    KeyAssignment& macro = first.MacroKeyInfo[1];
    macro.FunctionCode = kFnMacro;
    macro.RepeatCount = 1;
    // B, then Shift+C, then the fifth mouse button.
    const MacroEvent events[] = {{0x05, 1, 20}, {0x05, 2, 10}, {0xE1, 1, 5}, {0x06, 1, 5},
                                 {0x06, 2, 5},  {0xE1, 2, 5},  {0xF4, 1, 5}, {0xF4, 2, 0}};
    macro.ActionCount = 0;
    for (const MacroEvent& e : events) macro.Actions[macro.ActionCount++] = e;
    KeyAssignment& timer = first.MacroKeyInfo[2];
    timer.FunctionCode = kFnStartTimer;
    timer.TimerLength = 5;
    first.SoundVolume = 4;
    block->Profiles[1].SoundVolume = 0;

    SettingsFiles files(folder_, SystemFileSystem(), NoRegistry());
    ASSERT_TRUE(files.WriteProfileFiles(*block));
    ASSERT_TRUE(IniFile(files.ConfigIniPath()).WriteInt(kSettingSection, "CurrentProfile", 0));
    // A reset keyboard carries an all-zero stamp: the same stamp here says the
    // keyboard holds these profiles already, so the monitor's first sync keeps
    // them instead of reading the keyboard's factory profiles back.
    ASSERT_TRUE(files.WriteSettingsStamp(SettingsStamp{}));
  }

  void Press(const char* item) { ASSERT_EQ(Sim(std::string("press ") + item).exitCode, 0u); }
  void Release(const char* item) { ASSERT_EQ(Sim(std::string("release ") + item).exitCode, 0u); }
};

// Removes the repeats of a held key (its up and down again right after its
// press) from the lines; how many there were.
int TakeRepeats(std::vector<std::string>& lines, const std::string& down, const std::string& up) {
  auto press = std::find(lines.begin(), lines.end(), down);
  if (press == lines.end()) return 0;
  auto end = press + 1;
  while (end + 1 < lines.end() && end[0] == up && end[1] == down) end += 2;
  const int repeats = static_cast<int>(end - press - 1) / 2;
  lines.erase(press + 1, end);
  return repeats;
}

TEST_F(PlaybackEndToEnd, ShortcutAndMacroKeysInjectTheirInputInOrder) {
  InputWitness witness;
  ASSERT_TRUE(witness.WaitReady());
  ASSERT_NE(StartWithKeyboard(), nullptr);

  // Held past the first repeat (1,000 ms), then released.
  Press(kShortcutItem);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  Release(kShortcutItem);
  Press(kMacroItem);
  Release(kMacroItem);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the macro takes 55 ms

  std::vector<std::string> seen = witness.Seen();
  const int repeats = TakeRepeats(seen, WitnessKeyLine('A', false), WitnessKeyLine('A', true));
  EXPECT_GE(repeats, 1);
  const std::vector<std::string> expected = {WitnessKeyLine(VK_CONTROL, false),
                                             WitnessKeyLine('A', false),
                                             WitnessKeyLine('A', true),
                                             WitnessKeyLine(VK_CONTROL, true),
                                             WitnessKeyLine('B', false),
                                             WitnessKeyLine('B', true),
                                             WitnessKeyLine(VK_SHIFT, false),
                                             WitnessKeyLine('C', false),
                                             WitnessKeyLine('C', true),
                                             WitnessKeyLine(VK_SHIFT, true),
                                             "mouse 20b/1",
                                             "mouse 20c/1"};
  EXPECT_EQ(seen, expected);
}

// Ctrl+A held while the profile changes (key 1 is no shortcut in profile 2),
// then held again while the monitor closes: both times Ctrl and A come up
// and the repeat ends.
TEST_F(PlaybackEndToEnd, HeldShortcutComesUpAcrossAProfileSwitchAndAnExit) {
  InputWitness witness;
  ASSERT_TRUE(witness.WaitReady());
  HANDLE monitor = StartWithKeyboard();
  ASSERT_NE(monitor, nullptr);

  Press(kShortcutItem);
  ASSERT_EQ(Sim("profile 2").exitCode, 0u);
  Release(kShortcutItem);
  ASSERT_EQ(Sim("profile 1").exitCode, 0u);
  Press(kShortcutItem);
  PostMessageA(WaitForMonitorWindow(), WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(monitor, 15000), WAIT_OBJECT_0);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // a stuck repeat would show

  std::vector<std::string> seen = witness.Seen();
  // The repeats of the held A (an up and a down again) say nothing here.
  const std::string aDown = WitnessKeyLine('A', false), aUp = WitnessKeyLine('A', true);
  for (auto line = seen.begin(); line + 1 < seen.end();) {
    if (line[0] == aUp && line[1] == aDown) {
      line = seen.erase(line, line + 2);
    } else {
      ++line;
    }
  }
  const std::vector<std::string> once = {WitnessKeyLine(VK_CONTROL, false), aDown, aUp,
                                         WitnessKeyLine(VK_CONTROL, true)};
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(seen, twice);
}

TEST_F(PlaybackEndToEnd, TimerKeyCountsDownAndProfileChangesAreAnnouncedOutsideTheLastSeconds) {
  test::DebugOutputListener output;
  ASSERT_TRUE(output.listening());
  HANDLE monitor = StartWithKeyboard();
  ASSERT_NE(monitor, nullptr);
  output.Follow(GetProcessId(monitor));
  auto played = [&] { return SoundsPlayed(output.Lines()); };
  auto playedSoFar = [&](const std::string& sound) {
    const std::vector<std::string> sounds = played();
    return std::find(sounds.begin(), sounds.end(), sound) != sounds.end();
  };

  Press(kTimerItem);
  Release(kTimerItem);  // the up value (state 1) does nothing
  // In the last five seconds a change of profile is silent; the countdown
  // goes on at the volume of the new profile.
  ASSERT_TRUE(WaitUntil([&] { return playedSoFar("4_seconds.wav at factor 1.1"); }, 5000))
      << ::testing::PrintToString(output.Lines());
  ASSERT_EQ(Sim("profile 2").exitCode, 0u);
  ASSERT_TRUE(WaitUntil([&] { return playedSoFar("go.wav at factor 0.3"); }, 8000))
      << ::testing::PrintToString(output.Lines());
  // Announced 500 ms after the change, at the volume of the profile switched to.
  ASSERT_EQ(Sim("profile 1").exitCode, 0u);
  ASSERT_TRUE(WaitUntil([&] { return played().size() >= 7; }, 5000))
      << ::testing::PrintToString(output.Lines());

  std::vector<std::string> files = played();
  for (std::string& sound : files) sound.erase(sound.find(' '));
  EXPECT_EQ(files, (std::vector<std::string>{"timer_activated.wav", "4_seconds.wav",
                                             "3_seconds.wav", "2_seconds.wav", "1_second.wav",
                                             "go.wav", "profile_one.wav"}));
  EXPECT_EQ(played().front(), "timer_activated.wav at factor 1.1");
  EXPECT_EQ(played().back(), "profile_one.wav at factor 1.1");
  for (const std::string& line : output.Lines())
    EXPECT_EQ(line.find("PlaySound from memory failed"), std::string::npos) << line;
}

}  // namespace
}  // namespace brelfx
