#include "device/keyboard_state_reports.h"

#include <algorithm>
#include <iterator>

#include "device/report_ids.h"

namespace brelfx {
namespace {

constexpr int kStampOffset = 2;
constexpr int kMediaOptionNoPlayer = 4;

}  // namespace

FirmwareVersions ParseVersionReport(std::span<const std::uint8_t> report) {
  if (static_cast<int>(report.size()) != kVersionReport.length) return {0, 0};
  return {report[2], report[3]};
}

Report BuildDefaultsCommand() {
  Report report = NewSizedReport(kDefaultsCommand);
  report[2] = 0x04;
  return report;
}

Report BuildStampReport(const SettingsStamp& stamp) {
  Report report = NewSizedReport(kStampReport);
  std::copy(std::begin(stamp.Bytes), std::end(stamp.Bytes), report.begin() + kStampOffset);
  StoreChecksum(report);
  return report;
}

std::optional<SettingsStamp> ParseStampReport(std::span<const std::uint8_t> report) {
  if (static_cast<int>(report.size()) != kStampReport.length) return std::nullopt;
  SettingsStamp stamp;
  std::copy_n(report.begin() + kStampOffset, sizeof(stamp.Bytes), stamp.Bytes);
  return stamp;
}

Report BuildHostStateReport(const SettingsBlock& block, std::uint8_t requested) {
  Report report = NewSizedReport(kHostStateReport);
  const int active = block.CurrentProfile;
  const bool noPlayer = IsProfileSlot(active) &&
                        block.Profiles[active].MediaOption == kMediaOptionNoPlayer;
  report[2] = noPlayer ? 0 : requested;
  return report;
}

Report BuildTalkStateReport(std::uint8_t first, std::uint8_t second) {
  Report report = NewSizedReport(kTalkStateReport);
  report[2] = first;
  report[3] = second;
  return report;
}

Report BuildAmbientLightReport(const AmbientLightRecord& record) {
  Report report = NewSizedReport(kAmbientLightReport);
  std::copy(std::begin(record.Effect), std::end(record.Effect), report.begin() + 2);
  report[8] = 1;
  report[9] = record.Mode == 1 ? 2 : 1;
  report[10] = LowByte(record.ValueA);
  report[11] = LowByte(record.ValueB);
  return report;
}

Report BuildAmbientLightOffReport() { return NewSizedReport(kAmbientLightReport); }

}  // namespace brelfx
