// What the owner does on the keyboard and the events it posts.
#include "sim/device_events.h"
#include "sim/tests/sim_fixture.h"

namespace brelfx::sim::test {
namespace {

class Events : public SimFixture {
 protected:
  Events() { keyboard.OpenDevMonitor(0x99, 1325, 1326); }
  PostedMessage Event(std::uint32_t type, std::uint32_t value) { return {0x99, 1325, type, value}; }
};

TEST_F(Events, KeyItemsGoDownAndUpWithTheirType) {
  EXPECT_TRUE(keyboard.PressKey(kEventKey, 5, false));
  EXPECT_TRUE(keyboard.PressKey(kEventKeyAlternate, 5, true));
  EXPECT_TRUE(keyboard.PressKey(kEventMedia, 0x23, false));
  EXPECT_EQ(posted, (std::vector<PostedMessage>{Event(0x0D00, 0x0005), Event(0x0E00, 0x0105),
                                                Event(0x0B00, 0x0023)}));
}

TEST_F(Events, OnlyRegisteredListenersHearEvents) {
  // Another process's view of the same keyboard.
  SimKeyboard second(
      *state, clock,
      [this](std::uint64_t w, std::uint32_t m, std::uint32_t wp, std::uint32_t lp) {
        posted.push_back({w, m, wp, lp});
      },
      8);
  second.OpenDevMonitor(0x55, 2000, 2001);
  keyboard.RaiseEvent(kEventConfiguration, 1);
  EXPECT_EQ(posted.size(), 2u);  // both listeners
  keyboard.CloseDevMonitor();
  posted.clear();
  keyboard.RaiseEvent(kEventConfiguration, 1);
  EXPECT_EQ(posted, (std::vector<PostedMessage>{{0x55, 2000, 0x1000, 1}}));
}

TEST_F(Events, OldestListenerGivesWayWhenAllSlotsAreTaken) {
  // Listeners of processes that ended without closing must not lock others out.
  std::vector<std::unique_ptr<SimKeyboard>> others;
  for (std::uint32_t client = 20; client < 20 + kMonitorSlots; ++client) {
    others.push_back(std::make_unique<SimKeyboard>(*state, clock, nullptr, client));
    EXPECT_EQ(others.back()->OpenDevMonitor(client, 1325, 1326), 1);
  }
  EXPECT_EQ(state->Monitors[0].ClientId, 20u);  // client 7 was the oldest
  keyboard.OpenDevMonitor(0x99, 1325, 1326);
  EXPECT_EQ(state->Monitors[0].ClientId, 21u);
  EXPECT_EQ(state->Monitors[kMonitorSlots - 1].ClientId, 7u);
  others[2]->CloseDevMonitor();  // client 22: the later ones move up
  EXPECT_EQ(state->Monitors[1].ClientId, 23u);
  EXPECT_EQ(state->Monitors[kMonitorSlots - 1].ClientId, 0u);
}

TEST_F(Events, ProfileButtonSwitchesTheKeyboardItself) {
  EXPECT_TRUE(keyboard.SwitchProfile(3));
  EXPECT_EQ(posted.back(), Event(0x0200, 3));
  EXPECT_EQ(Get(kProfileSelectReport, 3)[2], 2);
  EXPECT_FALSE(keyboard.SwitchProfile(6));
  EXPECT_FALSE(keyboard.SwitchProfile(0));
  EXPECT_EQ(state->ActiveProfile, 2);
}

TEST_F(Events, BrightnessChangesTheActiveProfileLighting) {
  keyboard.SwitchProfile(2);
  EXPECT_TRUE(keyboard.ChangeBrightness(5));
  EXPECT_EQ(posted.back(), Event(0x0C00, 6));
  EXPECT_EQ(Read(kIlluminationReport, 16, 1, 0x70)[10], 5);
  EXPECT_FALSE(keyboard.ChangeBrightness(6));
}

TEST_F(Events, RecordedMacroCanBeReadByTheHost) {
  keyboard.SwitchProfile(4);
  EXPECT_TRUE(keyboard.LiveRecord(1, 0, {}));
  EXPECT_TRUE(keyboard.LiveRecord(3, 4, {{0x04, 1, 50}, {0x04, 2, 300}}));
  EXPECT_EQ(posted.back(), Event(0x0400, 0x0304));
  const Bytes macro = Read(kMacroReport, kMaxReportSize, 3, 3);
  ASSERT_EQ(macro.size(), static_cast<std::size_t>(kMaxReportSize));
  EXPECT_EQ(Bytes(macro.begin(), macro.begin() + 7), (Bytes{0x0E, 0x23, 0x08, 3, 3, 0xBE, 1}));
  EXPECT_EQ(Bytes(macro.begin() + 79, macro.begin() + 89),
            (Bytes{2, 0, 0x04, 1, 50, 0, 0x04, 2, 0x2C, 0x01}));
  EXPECT_TRUE(ChecksumMatches(macro.data(), kMaxReportSize));
  EXPECT_EQ(Read(kMacroKeyReport, 35, 3, 0xA0)[6], 0xBE);  // key 3 now plays the macro
  EXPECT_FALSE(keyboard.LiveRecord(3, 37, {}));            // only keys 0-35 hold macros
  EXPECT_FALSE(keyboard.LiveRecord(2, 4, {{0x04, 1, 0}}));
}

TEST_F(Events, CountersCarryTheirAmount) {
  EXPECT_TRUE(keyboard.CountUsage(8, 300));
  EXPECT_EQ(posted.back(), Event(0xFA08, 300));
  EXPECT_FALSE(keyboard.CountUsage(20, 1));
}

TEST_F(Events, UnpluggedKeyboardPostsNothing) {
  keyboard.Unplug();
  posted.clear();
  EXPECT_FALSE(keyboard.PressKey(kEventKey, 1, false));
  EXPECT_FALSE(keyboard.SwitchProfile(2));
  EXPECT_TRUE(posted.empty());
  EXPECT_EQ(state->ActiveProfile, 0);
}

}  // namespace
}  // namespace brelfx::sim::test
