// brelfx-talk-hub's verbs: what a typed line becomes, and the lines it
// prints for what the monitor sends.
#include "tools/talk_hub/hub_verbs.h"

#include <gtest/gtest.h>

namespace brelfx::talk_hub {
namespace {

TEST(TalkHubVerbs, BadLinesAreRefusedWithTheirReason) {
  for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
           {}, {"devise", "1", "x"}, {"device", "0x10000", "Pad"}, {"device", "1"},
           {"device", "1", "Pad", "1", "2"}, {"command"}, {"command", "six"},
           {"ambient", "1", "2"}, {"ambient", "1", "2", "3", "256"}}) {
    const Verb verb = ParseVerb(words);
    ASSERT_TRUE(std::holds_alternative<BadVerb>(verb)) << ::testing::PrintToString(words);
    EXPECT_FALSE(std::get<BadVerb>(verb).error.empty());
  }
}

TEST(TalkHubVerbs, DeviceNameFillsTheRecordWithoutTerminatorWhenLong) {
  const Verb verb = ParseVerb({"device", "0x1234", "ABCDEFGHIJKLMNOPQRSTUV", "1", "2", "3", "4", "5"});
  ASSERT_TRUE(std::holds_alternative<DeviceVerb>(verb));
  const CompanionDeviceRecord record = std::get<DeviceVerb>(verb).record;
  EXPECT_EQ(static_cast<int>(record.ProductId), 0x1234);
  EXPECT_EQ(static_cast<int>(record.Name[19]), 'T');
  EXPECT_EQ(static_cast<int>(record.Cpi[4]), 5);
}

TEST(TalkHubVerbs, PrintsTheKeyboardsPacketAndStatus) {
  const std::uint8_t packet[] = {0x7D, 0x1E, 0x64, 0x32, 0xF7, 0x7D, 0x1E, 0x34, 0x12, 0x00};
  EXPECT_EQ(DescribeCopyData(0x079700F7, packet), "packet 0xf7 from 1e7d:3264 to 1e7d:1234 key down");
  std::uint8_t status[28] = {0x7D, 0x1E, 0x64, 0x32, 0x52, 0x00, 0x02};
  EXPECT_EQ(DescribeCopyData(0x07970004, status),
            "status not-connected (4) from 1e7d:3264 window 0x20052");
  EXPECT_EQ(DescribeCopyData(0x1234, packet), "copy-data tag 0x1234, 10 bytes");
}

}  // namespace
}  // namespace brelfx::talk_hub
