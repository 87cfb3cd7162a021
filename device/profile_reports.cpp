#include "device/profile_reports.h"

#include "device/report_ids.h"

namespace brelfx {
namespace {

constexpr int kModifyKeyCount = 6;
constexpr int kFlowColourType = 2;         // in the block
constexpr int kDeviceFlowColourType = 3;   // on the keyboard
constexpr int kLastPresetColourIndex = 15;

const LightInfo& ColourToSend(const ProfileRecord& profile) {
  const bool preset = profile.LtColorType == 0 || profile.LtColorType == kFlowColourType;
  return preset ? profile.FixedLtInfo : profile.CCLtInfo;
}

}  // namespace

Report BuildKeyEnableReport(const ProfileRecord& profile, int slot) {
  Report report = NewProfileReport(kKeyEnableReport, slot);
  for (int i = 0; i < kModifyKeyCount; ++i) {
    if (profile.ModifyKey[i] == 1) report[3] |= static_cast<std::uint8_t>(1 << i);
  }
  StoreChecksum(report);
  return report;
}

bool ParseKeyEnableReport(std::span<const std::uint8_t> report, SettingsBlock& block) {
  const int slot = ReportProfileSlot(report, kKeyEnableReport);
  if (slot < 0) return false;
  for (int i = 0; i < kModifyKeyCount; ++i) {
    block.Profiles[slot].ModifyKey[i] = (report[3] >> i) & 1;
  }
  return true;
}

Report BuildIlluminationReport(const ProfileRecord& profile, int slot) {
  Report report = NewProfileReport(kIlluminationReport, slot);
  report[3] = LowByte(profile.LtSwitch);
  report[4] = LowByte(profile.LtBreathSwitch);
  report[5] = LowByte(profile.LtColorType == kFlowColourType ? kDeviceFlowColourType
                                                              : profile.LtColorType);
  const LightInfo& colour = ColourToSend(profile);
  report[6] = colour.ColorIndex;
  report[7] = colour.Red;
  report[8] = colour.Green;
  report[9] = colour.Blue;
  report[10] = LowByte(profile.LtBrightness);
  report[11] = LowByte(profile.DimmerOption);
  report[12] = LowByte(profile.LtTimeout);
  StoreChecksum(report);
  return report;
}

bool ParseIlluminationReport(std::span<const std::uint8_t> report, SettingsBlock& block) {
  const int slot = ReportProfileSlot(report, kIlluminationReport);
  if (slot < 0) return false;
  ProfileRecord& profile = block.Profiles[slot];
  profile.LtSwitch = report[3];
  profile.LtBreathSwitch = report[4];
  profile.LtColorType = report[5] == kDeviceFlowColourType ? kFlowColourType : report[5];
  LightInfo& colour =
      report[6] <= kLastPresetColourIndex ? profile.FixedLtInfo : profile.CCLtInfo;
  colour.ColorIndex = report[6];  // the flag byte never travels
  colour.Red = report[7];
  colour.Green = report[8];
  colour.Blue = report[9];
  profile.LtBrightness = report[10];
  profile.DimmerOption = report[11];
  profile.LtTimeout = report[12];
  return true;
}

Report BuildProfileSelectReport(const SettingsBlock& block) {
  Report report = NewSizedReport(kProfileSelectReport);
  report[2] = LowByte(block.CurrentProfile);
  return report;
}

bool ParseProfileSelectReport(std::span<const std::uint8_t> report, SettingsBlock& block) {
  if (static_cast<int>(report.size()) != kProfileSelectReport.length) return false;
  if (IsProfileSlot(report[2])) block.CurrentProfile = report[2];
  return true;
}

}  // namespace brelfx
