#include "device/report_frame.h"

#include "settings/settings_block.h"

namespace brelfx {

Report NewReport(const ReportFormat& format) {
  Report report(static_cast<std::size_t>(format.length), 0);
  report[0] = format.id;
  return report;
}

Report NewSizedReport(const ReportFormat& format) {
  Report report = NewReport(format);
  report[1] = static_cast<std::uint8_t>(format.length);
  return report;
}

Report NewProfileReport(const ReportFormat& format, int slot) {
  Report report = NewSizedReport(format);
  report[2] = static_cast<std::uint8_t>(slot);
  return report;
}

int ReportProfileSlot(std::span<const std::uint8_t> report, const ReportFormat& format) {
  if (static_cast<int>(report.size()) != format.length) return -1;
  return IsProfileSlot(report[2]) ? report[2] : -1;
}

std::uint16_t ReportChecksum(std::span<const std::uint8_t> bytes) {
  std::uint32_t sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  return static_cast<std::uint16_t>(sum & 0xFFFF);
}

void StoreChecksum(std::span<std::uint8_t> report) {
  if (report.size() < 2) return;
  const int last = static_cast<int>(report.size()) - 2;
  WriteUint16(report, last, ReportChecksum(report.first(static_cast<std::size_t>(last))));
}

bool ChecksumMatches(std::span<const std::uint8_t> report) {
  if (report.size() < 2) return false;
  const int last = static_cast<int>(report.size()) - 2;
  return ReadUint16(report, last) == ReportChecksum(report.first(static_cast<std::size_t>(last)));
}

std::uint16_t ReadUint16(std::span<const std::uint8_t> bytes, int offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void WriteUint16(std::span<std::uint8_t> bytes, int offset, std::uint16_t value) {
  bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
  bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

bool IsProfileSlot(int value) { return value >= 0 && value < kProfileCount; }

}  // namespace brelfx
