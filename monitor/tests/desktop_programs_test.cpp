// Keyboard functions that act on other programs, through the monitor: quick
// launch keys, and the watch that switches to the profile of the game in the
// foreground or to the Windows profile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/monitor_messages.h"
#include "monitor/tests/monitor_fakes.h"
#include "monitor/timer_ids.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

using Entries = std::vector<std::string>;

class DesktopPrograms : public ::testing::Test {
 protected:
  void SetUp() override {
    SettingsBlock& stored = *rig.files.stored;
    stored.CurrentProfile = 2;
    stored.WindowsProfile = -1;
    for (ProfileRecord& profile : stored.Profiles) {
      profile.SoundProfile = 0;
      SetTextField(profile.GameFile0, "");
      SetTextField(profile.GameFile1, "");
      SetTextField(profile.GameFile2, "");
    }
    stored.Profiles[2].SoundProfile = 1;  // the profile current at the start announces
    ASSERT_TRUE(rig.Create());
    mark = rig.log.entries().size();
  }
  // What the window thread did since the mark; the worker's jobs, which run
  // beside it, are counted apart.
  Entries Done() {
    // A job of its own behind the others: once it ran, they did.
    const std::string drained = "job 4 " + std::to_string(++drains);
    rig.monitor->worker().Post(kJobLiveRecording, static_cast<std::uint16_t>(drains));
    EXPECT_TRUE(rig.log.WaitFor(drained));
    const Entries all = rig.log.entries();
    Entries done;
    jobs = 0;
    for (auto e = all.begin() + static_cast<std::ptrdiff_t>(mark); e != all.end(); ++e) {
      if (*e == "job 3") {
        ++jobs;
      } else if (e->rfind("job 4 ", 0) != 0) {
        done.push_back(*e);
      }
    }
    mark = all.size();
    return done;
  }
  SettingsBlock& Local() { return const_cast<SettingsBlock&>(rig.monitor->settings()); }
  std::string Repeat(int index) {
    const ProfileRecord& p = rig.monitor->settings().Profiles[index];
    return std::to_string(p.KBDelay) + " " + std::to_string(p.KBSpeed);
  }

  test::MonitorRig rig;
  std::size_t mark = 0;
  int jobs = 0;  // profile selects sent to the keyboard
  int drains = 0;
};

TEST_F(DesktopPrograms, QuickLaunchOpensOnlyAQuickLaunchEntryWithAPath) {
  KeyAssignment* keys = Local().Profiles[2].MacroKeyInfo;
  keys[4].FunctionCode = kFnQuickLaunch;
  SetTextField(keys[4].LaunchPath, "C:\\Tools\\notes.txt");
  keys[5].FunctionCode = kFnShortcut;  // a path left from an earlier assignment
  SetTextField(keys[5].LaunchPath, "C:\\Tools\\old.exe");
  keys[6].FunctionCode = kFnQuickLaunch;  // assigned, but no path chosen
  SetTextField(keys[6].LaunchPath, "");

  rig.Event(0x0700, 0x0005);  // key index 4, down
  rig.Event(0x0700, 0x0105);  // its key up
  rig.Event(0x0700, 0x0006);
  rig.Event(0x0700, 0x0007);

  EXPECT_EQ(Done(), (Entries{"open C:\\Tools\\notes.txt"}));
}

// Profiles 2 and 4 (indices 1 and 3) both list the running game, with
// blanks around the name or in another folder, in other case: the lower
// wins. The switch is not stored in config.ini.
TEST_F(DesktopPrograms, GameInTheForegroundSwitchesToTheLowestProfileListingIt) {
  SetTextField(Local().Profiles[3].GameFile0, "D:\\Games\\Rift\\rift.exe ");
  SetTextField(Local().Profiles[1].GameFile2, "   RIFT.exe");
  rig.AddOptionWindow();  // the option window holds back only the Windows profile
  rig.monitor->talk().toggle = 1;
  rig.foreground.BringUp(300, "notepad.exe");
  rig.foreground.BringUp(1200, "Rift.exe");

  rig.monitor->OnForegroundWatch();

  EXPECT_EQ(Done(), (Entries{"registry repeat " + Repeat(1), "repeat " + Repeat(1),
                             "post option 1255 0", "announce 601"}));
  EXPECT_EQ(jobs, 1);
  EXPECT_EQ(rig.monitor->settings().CurrentProfile, 1);
  EXPECT_EQ(rig.SharedBlock()->CurrentProfile, 1);
  EXPECT_EQ(rig.monitor->talk().toggle.load(), 0);

  // Still in the foreground two seconds later: nothing more happens.
  rig.monitor->OnForegroundWatch();
  EXPECT_EQ(Done(), Entries{});
  EXPECT_EQ(jobs, 0);

  // Without the entry of profile 2, the one in a folder matches.
  SetTextField(Local().Profiles[1].GameFile2, "");
  rig.monitor->OnForegroundWatch();
  EXPECT_EQ(rig.monitor->settings().CurrentProfile, 3);
}

TEST_F(DesktopPrograms, NoGameFallsBackToTheWindowsProfileUnlessTheOptionWindowIsOpen) {
  Local().WindowsProfile = 0;
  rig.foreground.BringUp(300, "explorer.exe");

  rig.AddOptionWindow();
  rig.monitor->OnForegroundWatch();
  EXPECT_EQ(Done(), Entries{});
  EXPECT_EQ(rig.monitor->settings().CurrentProfile, 2);

  rig.desktop.RemoveWindow(rig.optionWindow);
  rig.monitor->OnForegroundWatch();
  EXPECT_EQ(Done(),
            (Entries{"registry repeat " + Repeat(0), "repeat " + Repeat(0), "announce 602"}));
  EXPECT_EQ(jobs, 1);
  EXPECT_EQ(rig.SharedBlock()->CurrentProfile, 0);
}

// The sound switch of the profile that was current decides, not the new one's.
TEST_F(DesktopPrograms, SwitchIsSilentWhenTheLeftProfileDoesNotAnnounce) {
  Local().Profiles[2].SoundProfile = 0;
  Local().Profiles[0].SoundProfile = 1;
  Local().WindowsProfile = 0;
  rig.foreground.foregroundId = 0;  // nothing in the foreground

  rig.monitor->OnForegroundWatch();

  EXPECT_EQ(Done(), (Entries{"registry repeat " + Repeat(0), "repeat " + Repeat(0)}));
  EXPECT_EQ(jobs, 1);
}

// A Windows profile outside the five slots (a hand-edited config.ini) is
// no profile at all.
TEST_F(DesktopPrograms, WindowsProfileOutsideTheSlotsSwitchesNothing) {
  Local().WindowsProfile = 7;
  rig.monitor->OnForegroundWatch();
  EXPECT_EQ(Done(), Entries{});
  EXPECT_EQ(jobs, 0);
}

TEST_F(DesktopPrograms, TheWatchRunsWhileTheKeyboardIsConnected) {
  EXPECT_TRUE(rig.timers.Running(kTimerForegroundWatch));
  rig.Plug(0);
  EXPECT_FALSE(rig.timers.Running(kTimerForegroundWatch));
  rig.Plug(1);
  EXPECT_TRUE(rig.timers.Running(kTimerForegroundWatch));
}

}  // namespace
}  // namespace brelfx
