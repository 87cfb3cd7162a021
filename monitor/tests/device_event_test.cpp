#include "monitor/keyboard/device_event.h"

#include <gtest/gtest.h>

#include <tuple>

#include "monitor/keyboard/device_event_route.h"

namespace brelfx {
namespace {

TEST(DeviceEvent, MessageKeepsTheLowWordsOfBothParameters) {
  const DeviceEvent event =
      DecodeDeviceEventMessage(0x12340D00, static_cast<std::intptr_t>(0xABCD0103));
  EXPECT_EQ(event.packed(), 0x0D000103u);
  EXPECT_EQ(event.item(), 0x03);
  EXPECT_EQ(event.state(), 0x01);
}

TEST(DeviceEvent, PlugMessageTellsArrivalRemovalAndAnythingElse) {
  EXPECT_EQ(DecodePlugMessage(1).packed(), 0x7F000001u);
  EXPECT_EQ(DecodePlugMessage(0).packed(), 0x7F000002u);
  EXPECT_EQ(DecodePlugMessage(7).packed(), 0x7F000000u);
}

using RouteCase = std::tuple<std::uint16_t, std::uint16_t, DeviceAction>;
class DeviceEventRoute : public ::testing::TestWithParam<RouteCase> {};

TEST_P(DeviceEventRoute, ChoosesTheFunctionOrNone) {
  const auto [type, value, action] = GetParam();
  EXPECT_EQ(RouteDeviceEvent({type, value}), action)
      << std::hex << "type " << type << " value " << value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeviceEventRoute,
    ::testing::Values(
        RouteCase{0x0200, 0, DeviceAction::kNone},
        RouteCase{0x0200, 1, DeviceAction::kProfileChange},
        RouteCase{0x0200, 5, DeviceAction::kProfileChange},
        RouteCase{0x0200, 6, DeviceAction::kNone},
        // the profile number is the whole value, not its low byte
        RouteCase{0x0200, 0x0103, DeviceAction::kNone}, RouteCase{0x0300, 1, DeviceAction::kNone},
        RouteCase{0x0400, 0x0305, DeviceAction::kLiveRecording},
        RouteCase{0x0400, 0, DeviceAction::kLiveRecording},
        RouteCase{0x0700, 0x0001, DeviceAction::kQuickLaunch},
        RouteCase{0x0700, 0x0030, DeviceAction::kQuickLaunch},
        RouteCase{0x0700, 0x0130, DeviceAction::kNone},  // key up launches nothing
        RouteCase{0x0700, 0x0031, DeviceAction::kNone},
        RouteCase{0x0B00, 0x0020, DeviceAction::kMediaKey},
        RouteCase{0x0B00, 0x0127, DeviceAction::kMediaKey},
        RouteCase{0x0B00, 0x0028, DeviceAction::kNone},
        RouteCase{0x0B00, 0x001F, DeviceAction::kNone}, RouteCase{0x0C00, 0, DeviceAction::kNone},
        RouteCase{0x0C00, 1, DeviceAction::kBrightnessChange},
        RouteCase{0x0C00, 6, DeviceAction::kBrightnessChange},
        RouteCase{0x0C00, 7, DeviceAction::kNone},
        RouteCase{0x0D00, 0x0001, DeviceAction::kKeyFunction},
        RouteCase{0x0D00, 0x0130, DeviceAction::kKeyFunction},
        RouteCase{0x0E00, 0x0130, DeviceAction::kKeyFunction},
        RouteCase{0x0D00, 0x0000, DeviceAction::kNone},
        RouteCase{0x0E00, 0x0031, DeviceAction::kNone},
        RouteCase{0x1000, 1, DeviceAction::kOpenConfiguration},
        RouteCase{0x1000, 2, DeviceAction::kNone},
        RouteCase{0xFA00, 0, DeviceAction::kUsageCounter},
        RouteCase{0xFAFF, 9, DeviceAction::kUsageCounter},
        RouteCase{0xFB00, 9, DeviceAction::kNone}, RouteCase{0xF9FF, 9, DeviceAction::kNone},
        RouteCase{0xFF00, 0x00AB, DeviceAction::kTalkKey},
        RouteCase{0x7F00, 1, DeviceAction::kArrival}, RouteCase{0x7F00, 2, DeviceAction::kRemoval},
        RouteCase{0x7F00, 0, DeviceAction::kNone}, RouteCase{0x7F00, 3, DeviceAction::kNone},
        RouteCase{0x0000, 1, DeviceAction::kNone}));

}  // namespace
}  // namespace brelfx
