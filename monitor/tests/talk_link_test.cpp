// The Talk link inside a monitor over fakes: a hub that announces itself,
// its commands, the keyboard's status and Talk keys it hears about, the
// companion devices and the ambient light.
#include "monitor/talk/talk_link.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "device/report_frame.h"
#include "monitor/monitor_messages.h"
#include "monitor/talk/talk_packet.h"
#include "monitor/tests/memory_device_list.h"
#include "monitor/tests/monitor_fakes.h"
#include "monitor/timer_ids.h"
#include "settings/shared_catalogue.h"
#include "settings/text_field.h"
#include "tests/support/fake_talk_peer.h"

namespace brelfx {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr WindowId kHub = 0x7001;
constexpr WindowId kOtherHub = 0x7002;

Bytes DeviceRecord(std::uint16_t pid, std::u16string name, std::size_t size = 64) {
  CompanionDeviceRecord record{};
  record.VendorId = kKeyboardVendorId;
  record.ProductId = pid;
  std::memcpy(record.Name, name.data(), std::min(name.size(), std::size_t{20}) * 2);
  const std::int32_t cpi[5] = {400, 800, 1600, 3200, 6400};
  std::memcpy(record.Cpi, cpi, sizeof(cpi));
  Bytes bytes(size, 0);
  std::memcpy(bytes.data(), &record, std::min(size, sizeof(record)));
  return bytes;
}

class TalkLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // What DeviceInfo.ini holds from an earlier run.
    deviceList.stored.Count = 1;
    deviceList.stored.Devices[0].PID = 0x0FFF;
    SetTextField(deviceList.stored.Devices[0].Name, "Seed Pad");
    rig.monitor->SetTalk(&talk);
    hub.windows = {kHub, kOtherHub};
    ASSERT_TRUE(rig.Create());
    rig.AddOptionWindow();
  }
  // The monitor's shutdown still reaches the link.
  void TearDown() override {
    if (!rig.destroyed) rig.Destroy();
  }
  void Announce(WindowId window = kHub) { talk.OnCommand(6, static_cast<std::intptr_t>(window)); }
  // The status tags (low words) the hub received, in order.
  std::vector<int> Statuses() const {
    std::vector<int> low;
    for (const auto& d : hub.delivered)
      if (d.payload.size() == sizeof(TalkDeviceStatus)) low.push_back(static_cast<int>(d.tag & 0xFFFF));
    return low;
  }
  // Bytes 2 and 3 of every Talk state report the keyboard was sent.
  std::vector<std::pair<int, int>> TalkStates() const {
    std::vector<std::pair<int, int>> states;
    for (const Bytes& report : rig.zendrel.sent())
      if (report.at(0) == 0x16) states.emplace_back(report.at(2), report.at(3));
    return states;
  }
  std::vector<Bytes> SentReports(std::uint8_t id) const {
    std::vector<Bytes> reports;
    for (const Bytes& report : rig.zendrel.sent())
      if (report.at(0) == id) reports.push_back(report);
    return reports;
  }

  test::MonitorRig rig;
  test::FakeCopyDataSender hub;
  test::Latin1Text ansi;
  test::MemoryDeviceList deviceList;
  TalkLink talk{TalkServices{rig.messenger, hub, rig.timers, deviceList, ansi},
                TalkMonitorParts{rig.monitor->talk(), rig.monitor->tray(), rig.keyboard.reports,
                                 rig.settings.local(), rig.monitorWindow}};
};

TEST_F(TalkLinkTest, AnnouncedHubHearsTheKeyboardAndHidesTheTrayIconUntilItLeaves) {
  ASSERT_TRUE(rig.tray.visible);
  Announce(kHub);
  ASSERT_EQ(hub.delivered.size(), 1u);
  const auto& status = hub.delivered[0];
  EXPECT_EQ(status.window, kHub);
  EXPECT_EQ(status.wParam, 2024u);
  EXPECT_EQ(status.tag, 0x07970003u);
  EXPECT_EQ(status.timeoutMs, kTalkHubAnswerMs);
  Bytes expected(28, 0);
  expected[0] = 0x7D, expected[1] = 0x1E, expected[2] = 0x64, expected[3] = 0x32;
  std::memcpy(&expected[4], &rig.monitorWindow, 4);
  EXPECT_EQ(status.payload, expected);
  EXPECT_FALSE(rig.tray.visible);

  // A second hub is not taken; the tray icon stays hidden.
  Announce(kOtherHub);
  EXPECT_EQ(hub.delivered.size(), 1u);
  EXPECT_EQ(rig.monitor->talk().hubWindow.load(), kHub);
  EXPECT_FALSE(rig.tray.visible);

  rig.Plug(0);
  rig.clock.SleepMs(0);
  rig.Plug(1);
  talk.OnCommand(7, 0);
  EXPECT_TRUE(rig.tray.visible);
  EXPECT_EQ(rig.monitor->talk().hubWindow.load(), 0u);
  rig.Plug(0);  // no hub: nothing sent
  EXPECT_EQ(Statuses(), (std::vector<int>{3, 4, 3}));
}

TEST_F(TalkLinkTest, HubThatAnnouncesWhileTheKeyboardIsUnpluggedHearsItIsNotConnected) {
  rig.Plug(0);
  Announce(kHub);
  EXPECT_EQ(Statuses(), (std::vector<int>{4}));
  rig.Destroy();
  EXPECT_EQ(Statuses(), (std::vector<int>{4, 4}));
}

TEST_F(TalkLinkTest, ShutdownTellsTheHubTheKeyboardIsGone) {
  Announce(kHub);
  rig.Destroy();
  EXPECT_EQ(Statuses(), (std::vector<int>{3, 4}));
  EXPECT_FALSE(rig.tray.visible);
}

TEST_F(TalkLinkTest, TalkStateCommandsSendTheirValues) {
  for (const unsigned command : {140u, 245u})
    for (const std::intptr_t argument : {0, 1, 7}) talk.OnCommand(command, argument);
  talk.OnCommand(141, 0);
  talk.OnCommand(246, 0);
  talk.OnCommand(141, 1);  // nothing
  for (unsigned command = 247; command <= 252; ++command) talk.OnCommand(command, 0);
  EXPECT_EQ(TalkStates(), (std::vector<std::pair<int, int>>{{1, 255}, {0, 255}, {255, 255},
                                                            {1, 255}, {0, 255}, {255, 255},
                                                            {255, 1}, {255, 0},
                                                            {255, 255}, {255, 255}, {255, 255},
                                                            {255, 255}, {255, 255}}));
  EXPECT_EQ(SentReports(0x16).at(0), (Bytes{0x16, 0x10, 1, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(rig.monitor->talk().toggle.load(), 0);
}

TEST_F(TalkLinkTest, TalkMessageTakesOnlyTheHubAndStateCommands) {
  const std::size_t posts = rig.log.Matching("post monitor").size();
  talk.OnTalkMessage(11, 0x1234);  // the monitors' own start-up broadcast
  talk.OnTalkMessage(8, 0);
  talk.OnTalkMessage(9, 0);
  talk.OnTalkMessage(247, 0);
  EXPECT_EQ(rig.log.Matching("post monitor").size(), posts);
  EXPECT_TRUE(TalkStates().empty());
  talk.OnTalkMessage(141, 0);
  talk.OnTalkMessage(6, static_cast<std::intptr_t>(kHub));
  EXPECT_EQ(TalkStates(), (std::vector<std::pair<int, int>>{{255, 1}}));
  EXPECT_EQ(rig.monitor->talk().hubWindow.load(), kHub);

  talk.OnCommand(8, 0);
  talk.OnCommand(9, 0);
  const auto entries = rig.log.Matching("post monitor");
  EXPECT_EQ(std::vector<std::string>(entries.end() - 2, entries.end()),
            (std::vector<std::string>{"post monitor 273 6001", "post monitor 273 6002"}));
}

TEST_F(TalkLinkTest, ProfileChangeClearsTheToggle) {
  talk.OnCommand(141, 0);
  rig.Event(0x0200, 2);
  talk.OnCommand(141, 0);
  EXPECT_EQ(TalkStates(), (std::vector<std::pair<int, int>>{{255, 1}, {255, 1}}));
}

TEST_F(TalkLinkTest, TalkKeyReachesTheHubAsItsPacket) {
  SettingsBlock& local = rig.settings.local();
  KeyAssignment& m2 = local.Profiles[local.CurrentProfile].MacroKeyInfo[1];
  m2.FunctionCode = 0xF7;
  m2.TargetPid = 0x1234;
  rig.Event(0xFF00, 0x00AB);  // no hub yet: nothing
  Announce(kHub);
  rig.Event(0xFF00, 0x00AB);
  rig.Event(0xFF00, 0x01AB);
  ASSERT_EQ(hub.delivered.size(), 3u);
  EXPECT_EQ(hub.delivered[1].tag, 0x079700F7u);
  EXPECT_EQ(hub.delivered[1].payload, (Bytes{0x7D, 0x1E, 0x64, 0x32, 0xF7, 0x7D, 0x1E, 0x34, 0x12, 0x00}));
  EXPECT_EQ(hub.delivered[2].payload.back(), 1);
}

TEST(TalkPacket, FunctionCodeDecidesCodeAndTarget) {
  auto profile = std::make_unique<ProfileRecord>();
  struct Case {
    std::uint16_t value;
    int key;
    std::uint8_t code;
    std::uint8_t sentCode;
    std::uint16_t target;
  };
  for (const Case& c : {Case{0x0039, 56, 0x8C, 0x8C, 0xFFFF}, Case{0x00AA, 0, 0x8D, 0x8D, 0xFFFF},
                        Case{0x00AE, 4, 0xF5, 0xF5, 0x1234}, Case{0x00FC, 30, 0xFB, 0xFB, 0x1234},
                        Case{0x00FE, 32, 0xB8, 0, 0x1234}, Case{0x00FD, 31, 0xFC, 0, 0x1234}}) {
    profile->MacroKeyInfo[c.key].FunctionCode = c.code;
    profile->MacroKeyInfo[c.key].TargetPid = 0xABCD1234;
    const auto message = BuildTalkPacket(*profile, c.value);
    ASSERT_TRUE(message) << c.value;
    EXPECT_EQ(message->tag, 0x07970000u | c.sentCode) << c.value;
    EXPECT_EQ(message->packet.FunctionCode, c.sentCode) << c.value;
    EXPECT_EQ(static_cast<int>(message->packet.TargetProductId), c.target) << c.value;
  }
  for (const std::uint16_t value : {0x0000, 0x0038, 0x003A, 0x00A9, 0x00AF, 0x00FB, 0x00FF})
    EXPECT_FALSE(BuildTalkPacket(*profile, value)) << value;
}

TEST_F(TalkLinkTest, CompanionDevicesAreKeptByProductIdInTheFileAndAnnounced) {
  talk.OnCopyData(DeviceRecord(0x1001, u"Kalim Mouse", 63));
  talk.OnCopyData(DeviceRecord(0x1001, u"Kalim Mouse", 65));
  EXPECT_EQ(deviceList.writes, 0);

  talk.OnCopyData(DeviceRecord(0x1001, u"Kalim Mouse"));
  talk.OnCopyData(DeviceRecord(0x1002, u"ABCDEFGHIJKLMNOPQRST"));  // 20, no terminator
  talk.OnCopyData(DeviceRecord(0x1001, u"Kalim Mouse II"));
  const CompanionDeviceList& stored = deviceList.stored;
  ASSERT_EQ(static_cast<int>(stored.Count), 3);
  EXPECT_EQ(TextField(stored.Devices[0].Name), "Seed Pad");
  EXPECT_EQ(TextField(stored.Devices[1].Name), "Kalim Mouse II");
  EXPECT_EQ(TextField(stored.Devices[2].Name), "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(static_cast<int>(stored.Devices[2].VID), kKeyboardVendorId);
  EXPECT_EQ(static_cast<int>(stored.Devices[2].CPI[4]), 6400);
  EXPECT_EQ(deviceList.writes, 3);
  EXPECT_EQ(rig.log.Count("post option 1284 0"), 3);
}

TEST_F(TalkLinkTest, AFullListTakesNoNewDeviceButStillUpdatesOne) {
  for (int i = 1; i <= 100; ++i) talk.OnCopyData(DeviceRecord(static_cast<std::uint16_t>(i), u"Pad"));
  EXPECT_EQ(static_cast<int>(deviceList.stored.Count), 100);
  EXPECT_EQ(deviceList.writes, 99);  // the 101st device was not taken
  talk.OnCopyData(DeviceRecord(99, u"Last pad"));
  EXPECT_EQ(TextField(deviceList.stored.Devices[99].Name), "Last pad");
  EXPECT_EQ(static_cast<int>(deviceList.stored.Count), 100);
}

TEST_F(TalkLinkTest, DeviceListIsReadAtStartUp) {
  ASSERT_EQ(static_cast<int>(talk.devices().Count), 1);
  EXPECT_EQ(TextField(talk.devices().Devices[0].Name), "Seed Pad");
}

TEST_F(TalkLinkTest, AmbientLightShowsTheRecordAndEndsWhenItsTimerFires) {
  AmbientLightRecord record{1, 0x1234, 0x56, {1, 2, 3, 4, 5, 6}, {9, 9}};
  Bytes bytes(sizeof(record));
  std::memcpy(bytes.data(), &record, sizeof(record));
  talk.OnCopyData(Bytes(bytes.begin(), bytes.end() - 1));  // 19 bytes: not taken
  talk.OnAmbientLightRequest();
  talk.OnCopyData(bytes);
  const std::size_t mark = rig.log.entries().size();
  talk.OnAmbientLightRequest();
  const std::vector<std::string> entries = rig.log.entries();
  const std::vector<std::string> since(entries.begin() + static_cast<std::ptrdiff_t>(mark),
                                       entries.end());
  EXPECT_EQ(since, (std::vector<std::string>{"kill timer 630", "timer 630 120000"}));

  ASSERT_TRUE(talk.OnTimer(kTimerAmbientLight));
  EXPECT_FALSE(rig.timers.Running(kTimerAmbientLight));
  EXPECT_EQ(SentReports(0x17),
            (std::vector<Bytes>{{0x17, 0x10, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0},
                                {0x17, 0x10, 1, 2, 3, 4, 5, 6, 1, 2, 0x34, 0x56, 0, 0, 0, 0},
                                {0x17, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}));
}

TEST_F(TalkLinkTest, HubWhoseWindowIsGoneIsForgottenAndTheTrayIconReturns) {
  Announce(kHub);
  hub.answers = false;  // hangs: kept
  rig.Plug(0);
  EXPECT_EQ(rig.monitor->talk().hubWindow.load(), kHub);
  hub.windows.erase(kHub);
  hub.answers = true;
  rig.Plug(1);  // the status finds no window
  EXPECT_EQ(rig.monitor->talk().hubWindow.load(), 0u);
  EXPECT_TRUE(rig.tray.visible);
  EXPECT_FALSE(rig.timers.Running(kTimerTalkHubWatch));

  // Gone between two sends: the watch notices.
  hub.windows.insert(kHub);
  Announce(kHub);
  ASSERT_TRUE(rig.timers.Running(kTimerTalkHubWatch));
  ASSERT_TRUE(talk.OnTimer(kTimerTalkHubWatch));
  EXPECT_FALSE(rig.tray.visible);
  hub.windows.erase(kHub);
  ASSERT_TRUE(talk.OnTimer(kTimerTalkHubWatch));
  EXPECT_TRUE(rig.tray.visible);

  // An announcement naming no window changes nothing; one after a vanished
  // hub is taken.
  Announce(0x9999);
  EXPECT_TRUE(rig.tray.visible);
  hub.windows.insert(kHub);
  Announce(kHub);
  hub.windows.erase(kHub);
  Announce(kOtherHub);
  EXPECT_EQ(rig.monitor->talk().hubWindow.load(), kOtherHub);
  EXPECT_FALSE(rig.tray.visible);
}

}  // namespace
}  // namespace brelfx
