// The firmware check against a keyboard answering its version report and a
// packaged firmware description on disk.
#include "monitor/keyboard/firmware_launcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "monitor/tests/monitor_fakes.h"
#include "platform/path.h"
#include "tests/support/fake_zendrel.h"
#include "tests/support/temp_folder.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

class FirmwareLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    firmwareFolder = JoinPath(folder.path(), "FWUpdate");
    ASSERT_TRUE(SystemFileSystem().CreateFolder(firmwareFolder));
  }
  void KeyboardVersion(std::uint8_t version) { zendrel.Answer({0x0F, 0x01, version, 0x07}); }
  void Packaged(const std::string& configText) {
    test::WriteFileText(JoinPath(firmwareFolder, "config.ini"), configText);
  }
  bool Check() { return launcher.StartUpgradeIfNeeded(); }
  std::vector<std::string> Starts() const { return log.Matching("open"); }
  std::string UpgradeStart(const char* argument) const {
    return "open " + JoinPath(firmwareFolder, "BrelFX Firmware Upgrade.exe") + " " + argument;
  }

  test::TempFolder folder;
  std::string firmwareFolder;
  test::FakeZendrel zendrel;
  ZendrelApi api = test::FakeZendrel::Api();
  test::VirtualClock clock;
  std::atomic<int> cancel{0};
  ReportLink link{api, clock, cancel};
  test::EventLog log;
  test::FakeShell shell{log};
  std::vector<int> stored;
  FirmwareLauncher launcher{link, [this](int version) { stored.push_back(version); },
                            SystemFileSystem(), shell, folder.path()};
};

TEST_F(FirmwareLauncherTest, NewerPackagedFirmwareUpgradesOlderDowngradesEqualLeavesAlone) {
  KeyboardVersion(105);
  Packaged("[Firmware]\r\nVersion=106\r\n");
  EXPECT_TRUE(Check());
  Packaged("[Firmware]\r\nVersion=100\r\n");
  EXPECT_TRUE(Check());
  Packaged("[Firmware]\r\nVersion=105\r\n");
  EXPECT_FALSE(Check());
  EXPECT_EQ(Starts(), (std::vector<std::string>{UpgradeStart("1"), UpgradeStart("0")}));
  EXPECT_EQ(stored, (std::vector<int>{105, 105, 105}));  // FWVersion after every read
}

TEST_F(FirmwareLauncherTest, NoUsablePackagedVersionStartsNothing) {
  KeyboardVersion(105);
  EXPECT_FALSE(Check());  // no FWUpdate\config.ini at all
  for (const char* text : {"[Other]\r\nVersion=106\r\n", "[Firmware]\r\nVersion=\r\n",
                           "[Firmware]\r\nVersion=new\r\n", "[Firmware]\r\nVersion=-1\r\n"}) {
    Packaged(text);
    EXPECT_FALSE(Check()) << text;
  }
  EXPECT_TRUE(Starts().empty());
}

TEST_F(FirmwareLauncherTest, UnreadableKeyboardVersionStartsNothingAndStoresZero) {
  Packaged("[Firmware]\r\nVersion=106\r\n");
  zendrel.FailNextGets(1);
  EXPECT_FALSE(Check());
  KeyboardVersion(0);  // a keyboard that reports no version
  EXPECT_FALSE(Check());
  EXPECT_TRUE(Starts().empty());
  EXPECT_EQ(stored, (std::vector<int>{0, 0}));
}

// A missing or quarantined upgrade program: the monitor must stay, or it
// would end at every start and every plug.
TEST_F(FirmwareLauncherTest, UpgradeProgramThatDidNotStartKeepsTheMonitor) {
  KeyboardVersion(105);
  Packaged("[Firmware]\r\nVersion=106\r\n");
  shell.opens = false;
  EXPECT_FALSE(Check());
  EXPECT_EQ(Starts(), (std::vector<std::string>{UpgradeStart("1")}));
}

}  // namespace
}  // namespace brelfx
