// Every settings report written to the simulated keyboard and read back gives
// the block that was written.
#include <gtest/gtest.h>

#include "device/keyboard_reports.h"
#include "device/tests/sim_sync_fixture.h"
#include "device/tests/travelling_settings.h"

namespace brelfx {
namespace {

struct RoundTrip {
  const char* name;
  void (*alter)(SettingsBlock& block);
  bool (*send)(ReportLink& link, const SettingsBlock& block, int slot);
  bool (*read)(ReportLink& link, int slot, SettingsBlock& block);
};

template <const KeyLayer* kLayer>
void AlterLayer(SettingsBlock& block) {
  test::AlterKeys(block, kLayer->firstKey, kLayer->keyCount);
}
template <const KeyLayer* kLayer>
bool SendLayer(ReportLink& link, const SettingsBlock& block, int slot) {
  return SendKeyLayer(link, *kLayer, block, slot);
}
template <const KeyLayer* kLayer>
bool ReadLayer(ReportLink& link, int slot, SettingsBlock& block) {
  return ReadKeyLayer(link, *kLayer, slot, block);
}

bool SendMacros(ReportLink& link, const SettingsBlock& block, int slot) {
  for (int key : test::kAlteredMacroKeys)
    if (!SendMacro(link, block, slot, key)) return false;
  return true;
}
bool ReadMacros(ReportLink& link, int slot, SettingsBlock& block) {
  for (int key : test::kAlteredMacroKeys)
    if (!ReadMacro(link, slot, key, block)) return false;
  return true;
}

const RoundTrip kRoundTrips[] = {
    {"KeyEnable", test::AlterKeyEnables, SendKeyEnable, ReadKeyEnable},
    {"FKeyLayer", AlterLayer<&kFKeyLayer>, SendLayer<&kFKeyLayer>, ReadLayer<&kFKeyLayer>},
    {"ZonixLayer", AlterLayer<&kZonixLayer>, SendLayer<&kZonixLayer>, ReadLayer<&kZonixLayer>},
    {"MediaKeys", AlterLayer<&kMediaKeyLayer>, SendLayer<&kMediaKeyLayer>,
     ReadLayer<&kMediaKeyLayer>},
    {"ThumbKeys", AlterLayer<&kThumbKeyLayer>, SendLayer<&kThumbKeyLayer>,
     ReadLayer<&kThumbKeyLayer>},
    {"MacroKeys", AlterLayer<&kMacroKeyLayer>, SendLayer<&kMacroKeyLayer>,
     ReadLayer<&kMacroKeyLayer>},
    {"CapsLock", test::AlterCapsLock, SendCapsLock, ReadCapsLock},
    {"Illumination", test::AlterIllumination, SendIllumination, ReadIllumination},
    {"Macros", test::AlterMacros, SendMacros, ReadMacros},
    {"ProfileSelect", [](SettingsBlock& block) { block.CurrentProfile = 3; },
     [](ReportLink& link, const SettingsBlock& block, int) {
       return SendProfileSelect(link, block);
     },
     [](ReportLink& link, int, SettingsBlock& block) { return ReadProfileSelect(link, block); }},
};

class ReportRoundTrip : public test::SimSyncTest,
                        public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(ReportRoundTrip, WrittenAndReadBackGivesTheBlockThatWasWritten) {
  const RoundTrip& trip = GetParam();
  auto written = test::DefaultBlock();
  trip.alter(*written);
  ASSERT_FALSE(test::SameBlock(*written, *block));
  for (int slot = 0; slot < kProfileCount; ++slot) ASSERT_TRUE(trip.send(link, *written, slot));
  for (int slot = 0; slot < kProfileCount; ++slot) ASSERT_TRUE(trip.read(link, slot, *block));
  EXPECT_TRUE(test::SameBlock(*written, *block));
}

INSTANTIATE_TEST_SUITE_P(EveryReport, ReportRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

using StampRoundTrip = test::SimSyncTest;

TEST_F(StampRoundTrip, TheKeyboardKeepsTheStampItWasSent) {
  const SettingsStamp stamp = MakeSettingsStamp(test::kSyncNow);
  ASSERT_TRUE(SendStamp(link, stamp));
  EXPECT_EQ(ReadStamp(link), stamp);
}

}  // namespace
}  // namespace brelfx
