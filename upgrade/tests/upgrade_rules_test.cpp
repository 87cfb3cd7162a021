// The upgrade program's small rules: what its command line starts, the
// loader version it shows, where it finds the image and the monitor.
#include <gtest/gtest.h>

#include "upgrade/dfu_version.h"
#include "upgrade/start_rule.h"
#include "upgrade/upgrade_paths.h"

namespace brelfx {
namespace {

TEST(UpgradeStart, OnlyTheFirstCharacterCounts) {
  EXPECT_EQ(UpgradeStartFor("0"), UpgradeStart::kDriverUpdatePanel);
  EXPECT_EQ(UpgradeStartFor("1"), UpgradeStart::kUpgradeQuestion);
  EXPECT_EQ(UpgradeStartFor("2 and more"), UpgradeStart::kUpgradeQuestion);
  EXPECT_EQ(UpgradeStartFor(""), UpgradeStart::kUpgradeQuestion);
  EXPECT_EQ(UpgradeStartFor("01"), UpgradeStart::kDriverUpdatePanel);
  EXPECT_EQ(UpgradeStartFor("3"), UpgradeStart::kMainWindow);
  EXPECT_EQ(UpgradeStartFor("x0"), UpgradeStart::kMainWindow);
}

TEST(DfuVersionText, PointAfterTheFirstDigitWithinOneToFiveHundred) {
  EXPECT_EQ(DfuVersionText(103), "1.03");
  EXPECT_EQ(DfuVersionText(100), "1.00");
  EXPECT_EQ(DfuVersionText(500), "5.00");
  EXPECT_EQ(DfuVersionText(99), "N/A");
  EXPECT_EQ(DfuVersionText(501), "N/A");
  EXPECT_EQ(DfuVersionText(0), "N/A");
}

TEST(UpgradePaths, ImageBesideTheProgramMonitorOneFolderUp) {
  const std::string program = "C:\\Tarvek\\BrelFX\\FWUpdate\\BrelFX Firmware Upgrade.exe";
  const std::string folder = FolderOf(program);
  EXPECT_EQ(folder, "C:\\Tarvek\\BrelFX\\FWUpdate\\");
  EXPECT_EQ(FirmwareImagePath(folder, "fw106.bin"), folder + "fw106.bin");
  EXPECT_EQ(FirmwareImagePath(folder, "D:\\images\\fw.bin"), "D:\\images\\fw.bin");
  EXPECT_EQ(FirmwareImagePath(folder, ""), "");
  EXPECT_EQ(MonitorPathFor(program), "C:\\Tarvek\\BrelFX\\BrelFXMonitor.EXE");
}

}  // namespace
}  // namespace brelfx
