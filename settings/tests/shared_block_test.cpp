// The option application and the monitor exchanging the block through fake
// named objects and windows, as two processes would.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "settings/block_defaults.h"
#include "settings/monitor_settings_link.h"
#include "settings/option_settings_link.h"
#include "settings/shared_catalogue.h"
#include "settings/text_field.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/fake_shared_memory.h"

namespace brelfx {
namespace {

using Events = std::vector<std::string>;

std::unique_ptr<SettingsBlock> DefaultBlock() {
  auto block = std::make_unique<SettingsBlock>();
  SetDefaults(*block, 1033);
  return block;
}

std::vector<int> FlagsSet(const SettingsBlock& block) {
  std::vector<int> set;
  for (int i = 0; i < kUpdateFlagCount; ++i)
    if (block.UpdateFlags[i] != 0) set.push_back(i);
  return set;
}

int KeysMarked(const SettingsBlock& block) {
  int marked = 0;
  for (const auto& profile : block.KeyChanged)
    for (int changed : profile) marked += changed != 0;
  return marked;
}

bool SameBlock(const SettingsBlock& a, const SettingsBlock& b) {
  return std::memcmp(&a, &b, sizeof(SettingsBlock)) == 0;
}

// The option application's window and files, logging every call in order.
struct WindowAndFiles final : OptionFiles, OptionUi, OptionViews {
  Events events;
  std::unique_ptr<SettingsBlock> files = DefaultBlock();
  int fwVersion = 100;

  void ReadAll(SettingsBlock& block) override {
    events.push_back("ReadAll");
    block = *files;
  }
  void WriteAll(const SettingsBlock& block) override {
    events.push_back("WriteAll");
    *files = block;
  }
  void WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]) override {
    events.push_back("WriteInfoData");
    std::memcpy(files->InfoData, infoData, sizeof(infoData));
  }
  int ReadFirmwareVersion() override {
    events.push_back("ReadFirmwareVersion");
    return fwVersion;
  }
  void ReloadDeviceList() override { events.push_back("ReloadDeviceList"); }

  void BeginWaitCursor() override { events.push_back("BeginWait"); }
  void RestoreWaitCursor() override { events.push_back("RestoreWait"); }
  void EndWaitCursor() override { events.push_back("EndWait"); }
  void EnableOkAndApply(bool enabled) override {
    events.push_back(enabled ? "EnableOkApply" : "DisableOkApply");
  }
  void ShowMessageBox(const char* text) override { events.push_back(std::string("Box:") + text); }

  void Refresh(OptionView view) override {
    static const char* const kNames[] = {"ApplyPages", "Everything", "AdvancedPage", "TroviPage"};
    events.push_back(std::string("Refresh:") + kNames[static_cast<int>(view)]);
  }
  void ShowFirmwareVersion(const std::string& text) override {
    events.push_back("Firmware:" + text);
  }
  void ReloadMacroPresets() override { events.push_back("ReloadMacroPresets"); }
};

const Events kApplyWithMonitor = {"BeginWait",          "DisableOkApply", "WriteAll",
                                  "Refresh:ApplyPages", "monitor:1224",   "RestoreWait",
                                  "EnableOkApply",      "EndWait"};
const Events kApplyWithoutMessage = {
    "BeginWait",   "DisableOkApply", "WriteAll", "Refresh:ApplyPages",
    "RestoreWait", "EnableOkApply",  "EndWait"};

class SharedBlock : public testing::Test {
 protected:
  // The monitor: section, mutex, its defaults published, and a window that
  // takes the shared block on the option application's messages.
  void StartMonitor() {
    SetDefaults(monitor.local(), 1033);
    ASSERT_EQ(monitor.CreateShared(), SharedOpenResult::kMapped);
    ASSERT_TRUE(monitor.Publish());
    monitorWindow = desktop.AddWindow(
        kMonitorWindowTitle, [this](unsigned int message, std::uintptr_t wParam, std::intptr_t) {
          ui.events.push_back("monitor:" + std::to_string(message));
          monitorTook = monitor.TakeFromShared();
          monitorWParam = wParam;
          return std::intptr_t{0};
        });
  }

  void StartOption() {
    option.Start();
    desktop.AddWindow(kOptionWindowTitle,
                      [this](unsigned int message, std::uintptr_t, std::intptr_t) {
                        option.OnMonitorMessage(message);
                        return std::intptr_t{0};
                      });
    ui.events.clear();
  }

  // The monitor publishes its changed block and tells the option application.
  void MonitorNotifies(unsigned int message) {
    ASSERT_TRUE(monitor.Publish());
    ASSERT_TRUE(monitor.NotifyOption(message));
    ASSERT_EQ(desktop.DeliverPosted(), 1);
  }

  int MessagesSent() const {
    int sent = 0;
    for (const auto& m : desktop.log) sent += m.sent;
    return sent;
  }

  test::FakeSharedNamespace objects;
  test::FakeSharedMemory monitorMemory{objects};
  test::FakeSharedMemory optionMemory{objects};
  test::FakeDesktop desktop;
  WindowAndFiles ui;
  MonitorSettingsLink monitor{monitorMemory, desktop};
  OptionSettingsLink option{optionMemory, desktop, ui, ui, ui};
  WindowId monitorWindow = 0;
  bool monitorTook = false;
  std::uintptr_t monitorWParam = 99;
};

TEST_F(SharedBlock, StartTakesTheMonitorsBlockWithoutItsChangeMarks) {
  StartMonitor();
  monitor.local().CurrentProfile = 3;
  monitor.local().KeyChanged[0][0] = 1;  // left from the monitor's last apply
  monitor.local().UpdateFlags[15] = 1;
  ASSERT_TRUE(monitor.Publish());

  EXPECT_TRUE(option.Start());
  EXPECT_TRUE(option.sharedAvailable());
  EXPECT_EQ(ui.events, Events{});  // no file read
  EXPECT_EQ(option.edited().CurrentProfile, 3);
  EXPECT_EQ(KeysMarked(option.edited()), 0);
  EXPECT_EQ(FlagsSet(option.edited()), std::vector<int>{});
  EXPECT_TRUE(SameBlock(option.saved(), option.edited()));
}

TEST_F(SharedBlock, ApplySendsTheMarkedChangesAndEndsWithEditedAsSaved) {
  StartMonitor();
  StartOption();
  option.edited().Profiles[2].LtTimeout = 30;
  option.edited().KeyChanged[2][3] = 1;

  EXPECT_EQ(option.Apply(ApplyMode::kSendChanges), PublishOutcome::kMonitorNotified);
  EXPECT_EQ(ui.events, kApplyWithMonitor);
  // What the monitor took while handling 1224.
  ASSERT_TRUE(monitorTook);
  EXPECT_EQ(monitorWParam, 0u);
  EXPECT_EQ(FlagsSet(monitor.local()), std::vector<int>{12});
  EXPECT_EQ(monitor.local().KeyChanged[2][3], 1);
  EXPECT_EQ(monitor.local().Profiles[2].LtTimeout, 30);
  EXPECT_EQ(ui.files->Profiles[2].LtTimeout, 30);
  // Afterwards nothing is pending.
  EXPECT_EQ(KeysMarked(option.edited()), 0);
  EXPECT_EQ(FlagsSet(option.edited()), std::vector<int>{});
  EXPECT_TRUE(SameBlock(option.saved(), option.edited()));
}

TEST_F(SharedBlock, ApplyWithoutChangesStillPublishesAndSendsWithAllFlagsClear) {
  StartMonitor();
  StartOption();
  std::memset(&monitor.local(), 0xA5, sizeof(SettingsBlock));  // overwritten only by a copy

  EXPECT_EQ(option.Apply(ApplyMode::kRestoreDefaults), PublishOutcome::kMonitorNotified);
  EXPECT_EQ(monitorWParam, 1u);
  EXPECT_TRUE(SameBlock(monitor.local(), option.saved()));
  EXPECT_EQ(FlagsSet(monitor.local()), std::vector<int>{});
  EXPECT_EQ(KeysMarked(monitor.local()), 0);
}

TEST_F(SharedBlock, ApplyWithoutMonitorWritesFilesSendsNothingAndEndsEnabled) {
  ui.files->CurrentProfile = 2;
  EXPECT_FALSE(option.Start());
  EXPECT_EQ(ui.events, Events{"ReadAll"});
  EXPECT_EQ(option.edited().CurrentProfile, 2);
  ui.events.clear();

  option.edited().Profiles[0].HDDKeyboard = 0;
  EXPECT_EQ(option.Apply(ApplyMode::kSendChanges), PublishOutcome::kFilesOnly);
  EXPECT_EQ(ui.events, kApplyWithoutMessage);
  EXPECT_TRUE(desktop.log.empty());
  EXPECT_EQ(ui.files->Profiles[0].HDDKeyboard, 0);
  EXPECT_TRUE(SameBlock(option.saved(), option.edited()));
}

TEST_F(SharedBlock, ApplyWhileTheMonitorWindowIsGoneStillPublishes) {
  StartMonitor();
  StartOption();
  desktop.RemoveWindow(monitorWindow);
  option.edited().Profiles[4].LtSwitch = 0;

  EXPECT_EQ(option.Apply(ApplyMode::kSendChanges), PublishOutcome::kMonitorWindowGone);
  EXPECT_EQ(MessagesSent(), 0);
  ASSERT_TRUE(monitor.TakeFromShared());
  EXPECT_EQ(monitor.local().Profiles[4].LtSwitch, 0);
  EXPECT_EQ(FlagsSet(monitor.local()), std::vector<int>{14});
}

TEST_F(SharedBlock, FailedMutexWaitSkipsTheCopyAndKeepsEditsForTheNextApply) {
  StartMonitor();
  StartOption();
  option.edited().KeyChanged[1][5] = 1;
  option.edited().Profiles[1].ModifyKey[0] = 0;

  objects.failingWaits = 1;
  EXPECT_EQ(option.Apply(ApplyMode::kSendChanges), PublishOutcome::kCopyFailed);
  EXPECT_EQ(ui.events, kApplyWithoutMessage);  // files written, buttons enabled again
  EXPECT_EQ(MessagesSent(), 0);
  EXPECT_EQ(option.edited().KeyChanged[1][5], 1);
  EXPECT_EQ(option.saved().Profiles[1].ModifyKey[0], 1);

  EXPECT_EQ(option.Apply(ApplyMode::kSendChanges), PublishOutcome::kMonitorNotified);
  EXPECT_EQ(monitor.local().KeyChanged[1][5], 1);
  EXPECT_EQ(FlagsSet(monitor.local()), std::vector<int>{6});
}

TEST_F(SharedBlock, UnmappableSectionShowsTheMessageAndUsesTheFiles) {
  StartMonitor();
  objects.failMapping = true;
  ui.files->CurrentProfile = 4;

  EXPECT_FALSE(option.Start());
  EXPECT_EQ(ui.events, (Events{"Box:Could not map view of file.", "ReadAll"}));
  EXPECT_EQ(option.edited().CurrentProfile, 4);
  ui.events.clear();
  // The monitor's window is there, but its block was not replaced: telling it
  // to apply would send the previous block's changes.
  EXPECT_EQ(option.Apply(ApplyMode::kSendChanges), PublishOutcome::kFilesOnly);
  EXPECT_EQ(MessagesSent(), 0);
}

TEST_F(SharedBlock, StatisticsChangePublishesTheSavedBlockWithTheNewCounters) {
  StartMonitor();
  monitor.local().InfoData[0] = 7;
  monitor.local().InfoData[143] = 9;
  ASSERT_TRUE(monitor.Publish());
  StartOption();
  std::memset(option.edited().InfoData, 0, kInfoDataSize);  // counters reset on the Trovi page
  option.edited().Profiles[0].LtTimeout = 60;               // not applied yet

  EXPECT_EQ(option.ChangeStatistics(), PublishOutcome::kMonitorNotified);
  EXPECT_EQ(ui.events, (Events{"WriteInfoData", "monitor:1233"}));
  EXPECT_EQ(monitor.local().InfoData[0], 0);
  EXPECT_EQ(monitor.local().InfoData[143], 0);
  EXPECT_EQ(monitor.local().Profiles[0].LtTimeout, 15);
  EXPECT_EQ(ui.files->InfoData[143], 0);
  EXPECT_EQ(option.saved().InfoData[0], 0);
  EXPECT_EQ(option.edited().Profiles[0].LtTimeout, 60);
}

TEST_F(SharedBlock, BrightnessChangeReplacesOnlyTheActiveSlotsBrightness) {
  StartMonitor();
  monitor.local().CurrentProfile = 1;
  ASSERT_TRUE(monitor.Publish());
  StartOption();
  option.edited().Profiles[1].ModifyKey[2] = 0;
  option.edited().Profiles[3].LtTimeout = 60;
  SetTextField(option.edited().Profiles[0].ProFileName, "Racing");

  monitor.local().Profiles[1].LtBrightness = 5;
  monitor.local().Profiles[3].LtBrightness = 0;  // not the active slot: not taken
  MonitorNotifies(WM_BRIGHTNESS_CHANGED);

  EXPECT_EQ(ui.events, Events{"Refresh:AdvancedPage"});
  EXPECT_EQ(option.edited().Profiles[1].LtBrightness, 5);
  EXPECT_EQ(option.edited().Profiles[3].LtBrightness, 3);
  EXPECT_EQ(option.edited().Profiles[1].ModifyKey[2], 0);
  EXPECT_EQ(option.edited().Profiles[3].LtTimeout, 60);
  EXPECT_EQ(TextField(option.edited().Profiles[0].ProFileName), "Racing");
  // The new brightness counts as saved: the next Apply flags only the user's edits.
  option.Apply(ApplyMode::kSendChanges);
  EXPECT_EQ(FlagsSet(monitor.local()), (std::vector<int>{6, 13}));
}

TEST_F(SharedBlock, BrightnessChangeWithActiveSlotOutOfRangeTouchesNoEdit) {
  StartMonitor();
  StartOption();
  option.edited().Profiles[0].LtBrightness = 1;
  monitor.local().CurrentProfile = 7;
  MonitorNotifies(WM_BRIGHTNESS_CHANGED);
  EXPECT_EQ(option.edited().Profiles[0].LtBrightness, 1);
  EXPECT_EQ(ui.events, Events{});
}

TEST_F(SharedBlock, ProfileSwitchDiscardsPendingEdits) {
  StartMonitor();
  StartOption();
  option.edited().Profiles[0].LtTimeout = 60;
  option.edited().KeyChanged[0][1] = 1;

  monitor.local().CurrentProfile = 3;
  MonitorNotifies(WM_PROFILE_SWITCHED);

  EXPECT_EQ(ui.events, Events{"Refresh:Everything"});
  EXPECT_EQ(option.edited().CurrentProfile, 3);
  EXPECT_EQ(option.edited().Profiles[0].LtTimeout, 15);
  EXPECT_EQ(KeysMarked(option.edited()), 0);
  EXPECT_TRUE(SameBlock(option.saved(), option.edited()));
}

TEST_F(SharedBlock, SettingsReloadShowsTheFirmwareAndReplacesBothBlocks) {
  StartMonitor();
  StartOption();
  option.edited().Profiles[2].LtTimeout = 60;
  ui.fwVersion = 107;
  monitor.local().Profiles[2].MacroKeyInfo[4].FunctionCode = kFnMacro;  // read back
  monitor.local().KeyChanged[2][2] = 1;  // left from the monitor's last apply

  MonitorNotifies(WM_SETTINGS_RELOADED);

  EXPECT_EQ(ui.events, (Events{"ReadFirmwareVersion", "Firmware:1.07", "Refresh:Everything",
                               "ReloadMacroPresets"}));
  EXPECT_EQ(option.edited().Profiles[2].MacroKeyInfo[4].FunctionCode, kFnMacro);
  EXPECT_EQ(option.edited().Profiles[2].LtTimeout, 15);
  EXPECT_EQ(KeysMarked(option.saved()), 0);
  EXPECT_TRUE(SameBlock(option.saved(), option.edited()));
}

TEST_F(SharedBlock, CountersChangeTakesOnlyTheCounters) {
  StartMonitor();
  StartOption();
  option.edited().Profiles[1].LtTimeout = 60;
  monitor.local().InfoData[20] = 33;
  monitor.local().Profiles[1].SoundVolume = 4;
  MonitorNotifies(WM_COUNTERS_CHANGED);

  EXPECT_EQ(ui.events, Events{"Refresh:TroviPage"});
  EXPECT_EQ(option.edited().InfoData[20], 33);
  EXPECT_EQ(option.edited().Profiles[1].LtTimeout, 60);
  EXPECT_EQ(option.edited().Profiles[1].SoundVolume, 2);
}

TEST_F(SharedBlock, DeviceListChangeRereadsDeviceInfoAndOtherMessagesAreNotOurs) {
  StartMonitor();
  StartOption();
  MonitorNotifies(WM_DEVICE_LIST_CHANGED);
  EXPECT_EQ(ui.events, Events{"ReloadDeviceList"});
  EXPECT_FALSE(option.OnMonitorMessage(WM_APPLY_SETTINGS));
  EXPECT_FALSE(option.OnMonitorMessage(WM_RELOAD_KEY_REPEAT));
}

TEST_F(SharedBlock, NotificationWhoseCopyFailsKeepsBlocksAndViews) {
  StartMonitor();
  StartOption();
  option.edited().Profiles[0].LtTimeout = 60;
  monitor.local().CurrentProfile = 2;
  monitor.local().InfoData[0] = 5;
  ASSERT_TRUE(monitor.Publish());
  for (unsigned int message : {WM_PROFILE_SWITCHED, WM_BRIGHTNESS_CHANGED, WM_COUNTERS_CHANGED}) {
    objects.failingWaits = 1;
    EXPECT_TRUE(option.OnMonitorMessage(message));
  }
  EXPECT_EQ(ui.events, Events{});
  EXPECT_EQ(option.edited().Profiles[0].LtTimeout, 60);
  EXPECT_EQ(option.edited().CurrentProfile, 0);
  EXPECT_EQ(option.edited().InfoData[0], 0);
}

TEST_F(SharedBlock, MonitorPostsOnlyToARunningOptionWindow) {
  StartMonitor();
  EXPECT_FALSE(monitor.NotifyOption(WM_COUNTERS_CHANGED));
  EXPECT_TRUE(desktop.log.empty());

  StartOption();
  EXPECT_TRUE(monitor.NotifyOption(WM_COUNTERS_CHANGED));
  ASSERT_EQ(desktop.log.size(), 1u);
  EXPECT_FALSE(desktop.log[0].sent);
  EXPECT_EQ(desktop.log[0].message, 1264u);
  EXPECT_EQ(desktop.log[0].wParam, 0u);
  EXPECT_EQ(desktop.log[0].lParam, 0);
}

}  // namespace
}  // namespace brelfx
