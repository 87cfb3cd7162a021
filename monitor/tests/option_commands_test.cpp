// The option application's messages to the monitor: apply (send the changes
// or restore the defaults), the reloads, and those that ask for nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "monitor/monitor_messages.h"
#include "monitor/tests/monitor_fakes.h"
#include "settings/shared_catalogue.h"
#include "settings/shared_settings.h"

namespace brelfx {
namespace {

using Entries = std::vector<std::string>;
const std::vector<std::uint8_t> kHostStateOne{0x15, 0x03, 0x01};

class OptionCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Create());
    ASSERT_TRUE(rig.DrainWorker());
    published = rig.SharedBlock();
    ASSERT_NE(published, nullptr);
  }

  // The option application edits its copy and publishes it.
  void PublishEdit(int kbDelay) {
    published->Profiles[published->CurrentProfile].KBDelay = kbDelay;
    test::FakeSharedMemory writer(rig.objects);
    ASSERT_EQ(OpenSharedSettings(writer), SharedOpenResult::kMapped);
    ASSERT_TRUE(CopyToShared(writer, *published));
  }
  Entries Since(std::size_t mark) const {
    const Entries all = rig.log.entries();
    return Entries(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
  }
  std::size_t Mark() const { return rig.log.entries().size(); }
  int HostStateReports() const {
    const auto sent = rig.zendrel.sent();
    return static_cast<int>(std::count(sent.begin(), sent.end(), kHostStateOne));
  }
  int LocalDelay() const {
    const SettingsBlock& local = rig.monitor->settings();
    return local.Profiles[local.CurrentProfile].KBDelay;
  }
  std::string Repeat() const {
    const SettingsBlock& local = rig.monitor->settings();
    const ProfileRecord& p = local.Profiles[local.CurrentProfile];
    return "repeat " + std::to_string(p.KBDelay) + " " + std::to_string(p.KBSpeed);
  }

  test::MonitorRig rig;
  std::unique_ptr<SettingsBlock> published;
};

TEST_F(OptionCommands, ApplyTakesTheBlockThenWritesTheKeyboardThenTellsItTheHostRuns) {
  rig.monitor->talk().toggle = 1;
  const int hostStates = HostStateReports();
  PublishEdit(2);
  std::size_t mark = Mark();
  rig.monitor->OnOptionCommand(WM_APPLY_SETTINGS, 0);
  EXPECT_EQ(LocalDelay(), 2);
  EXPECT_EQ(Since(mark), (Entries{Repeat(), "send changes"}));
  EXPECT_EQ(HostStateReports(), hostStates + 1);
  EXPECT_EQ(rig.monitor->talk().toggle.load(), 0);

  mark = Mark();
  rig.monitor->OnOptionCommand(WM_APPLY_SETTINGS, kApplyRestoreDefaults);
  EXPECT_EQ(Since(mark), (Entries{Repeat(), "restore defaults"}));
  EXPECT_EQ(HostStateReports(), hostStates + 2);
}

TEST_F(OptionCommands, ApplyStopsWhenTheSharedBlockCannotBeCopied) {
  PublishEdit(2);
  rig.monitor->OnOptionCommand(WM_APPLY_SETTINGS, 0);  // flags of this apply: none set
  const auto sentBefore = rig.zendrel.sent().size();
  const std::size_t mark = Mark();
  PublishEdit(3);
  for (std::uintptr_t mode : {std::uintptr_t{0}, kApplyRestoreDefaults}) {
    rig.objects.failingWaits = 1;
    rig.monitor->OnOptionCommand(WM_APPLY_SETTINGS, mode);
  }
  EXPECT_EQ(LocalDelay(), 2);
  EXPECT_TRUE(Since(mark).empty());  // no key repeat, no changes, no defaults
  EXPECT_EQ(rig.zendrel.sent().size(), sentBefore);  // no stamp, no host state
}

TEST_F(OptionCommands, ApplyHandsTheDisplayValuesToTheOnScreenDisplay) {
  const WindowId osd = rig.desktop.AddWindow(
      kOsdWindowTitle, [](unsigned, std::uintptr_t, std::intptr_t) { return std::intptr_t{0}; });
  rig.files.osd.DisplayValue0 = 0x12345;  // only the low 16 bits of each travel
  rig.files.osd.DisplayValue1 = -1;
  rig.monitor->OnOptionCommand(WM_APPLY_SETTINGS, 0);
  const auto& posted = rig.desktop.log.back();
  EXPECT_EQ(posted.window, osd);
  EXPECT_EQ(posted.message, WM_OSD_DISPLAY_VALUES);
  EXPECT_EQ(posted.wParam, 0u);
  EXPECT_EQ(static_cast<std::uint32_t>(posted.lParam), 0x2345FFFFu);
}

TEST_F(OptionCommands, ApplyWithoutTheKeyboardTakesTheSettingsAndWritesNothing) {
  rig.Plug(0);  // removal
  const auto sentBefore = rig.zendrel.sent().size();
  PublishEdit(1);
  const std::size_t mark = Mark();
  rig.monitor->OnOptionCommand(WM_APPLY_SETTINGS, kApplyRestoreDefaults);
  EXPECT_EQ(LocalDelay(), 1);
  EXPECT_EQ(Since(mark), (Entries{Repeat()}));
  EXPECT_EQ(rig.zendrel.sent().size(), sentBefore);
}

TEST_F(OptionCommands, ReloadsTakeTheBlockAndOnlyTheRepeatReloadTouchesTheSystem) {
  const auto sentBefore = rig.zendrel.sent().size();
  int delay = 0;
  for (unsigned int message : {WM_INFODATA_CHANGED, WM_RELOAD_SETTINGS_A, WM_RELOAD_SETTINGS_B}) {
    PublishEdit(++delay);
    const std::size_t mark = Mark();
    rig.monitor->OnOptionCommand(message, 0);
    EXPECT_EQ(LocalDelay(), delay) << message;
    EXPECT_TRUE(Since(mark).empty()) << message;
  }
  PublishEdit(0);
  std::size_t mark = Mark();
  rig.monitor->OnOptionCommand(WM_RELOAD_KEY_REPEAT, 0);
  EXPECT_EQ(LocalDelay(), 0);
  EXPECT_EQ(Since(mark), (Entries{Repeat()}));

  PublishEdit(3);
  mark = Mark();
  for (unsigned int message : {WM_RELOAD_IGNORED_A, WM_RELOAD_IGNORED_B})
    rig.monitor->OnOptionCommand(message, 0);
  EXPECT_EQ(LocalDelay(), 0);
  EXPECT_TRUE(Since(mark).empty());
  EXPECT_EQ(rig.zendrel.sent().size(), sentBefore);  // the keyboard was never written
}

}  // namespace
}  // namespace brelfx
