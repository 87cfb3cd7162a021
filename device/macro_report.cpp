#include "device/macro_report.h"

#include <algorithm>
#include <cstring>

#include "device/report_ids.h"

namespace brelfx {
namespace {

// First 24 characters of a name field, zero-padded, not terminated when 24 long.
template <std::size_t N>
void PutName(Report& report, int offset, const char (&field)[N]) {
  static_assert(N > kMacroNameLength);
  const char* end = std::find(field, field + kMacroNameLength, '\0');
  std::copy(field, end, report.begin() + offset);
}

// The 24 report bytes, terminated, without trailing blanks and zeros.
template <std::size_t N>
void TakeName(std::span<const std::uint8_t> report, int offset, char (&field)[N]) {
  static_assert(N > kMacroNameLength);
  int length = kMacroNameLength;
  while (length > 0 && (report[offset + length - 1] == ' ' || report[offset + length - 1] == 0)) {
    --length;
  }
  std::memset(field, 0, N);
  std::memcpy(field, report.data() + offset, static_cast<std::size_t>(length));
}

}  // namespace

Report BuildMacroReport(const ProfileRecord& profile, int slot, int key) {
  const KeyAssignment& entry = profile.MacroKeyInfo[key];
  Report report = NewReport(kMacroReport);
  WriteUint16(report, 1, static_cast<std::uint16_t>(kMacroReport.length));
  report[kMacroProfileOffset] = static_cast<std::uint8_t>(slot);
  report[kMacroKeyOffset] = static_cast<std::uint8_t>(key);
  report[kMacroCodeOffset] = kFnMacro;
  report[kMacroRepeatOffset] = LowByte(entry.RepeatCount);
  PutName(report, kMacroName1Offset, entry.Name1);
  PutName(report, kMacroSetNameOffset, entry.MacroSetName);
  PutName(report, kMacroNameOffset, entry.MacroName);
  const int count = std::min<int>(entry.ActionCount, kMaxActions);
  WriteUint16(report, kMacroActionCountOffset, static_cast<std::uint16_t>(count));
  std::memcpy(report.data() + kMacroActionsOffset, entry.Actions,
              static_cast<std::size_t>(count) * sizeof(MacroEvent));
  StoreChecksum(report);
  return report;
}

bool ParseMacroReport(std::span<const std::uint8_t> report, SettingsBlock& block) {
  if (static_cast<int>(report.size()) != kMacroReport.length) return false;
  const int slot = report[kMacroProfileOffset];
  const int key = report[kMacroKeyOffset];
  const int count = ReadUint16(report, kMacroActionCountOffset);
  if (!IsProfileSlot(slot) || key >= kKeyCount || count > kMaxActions) return false;

  KeyAssignment& entry = block.Profiles[slot].MacroKeyInfo[key];
  entry.KeyIndex = static_cast<std::uint8_t>(key);
  entry.FunctionCode = kFnMacro;
  entry.RepeatCount = report[kMacroRepeatOffset];
  TakeName(report, kMacroName1Offset, entry.Name1);
  TakeName(report, kMacroSetNameOffset, entry.MacroSetName);
  TakeName(report, kMacroNameOffset, entry.MacroName);
  std::memset(entry.Actions, 0, sizeof(entry.Actions));
  entry.ActionCount = static_cast<std::uint16_t>(count);
  std::memcpy(entry.Actions, report.data() + kMacroActionsOffset,
              static_cast<std::size_t>(count) * sizeof(MacroEvent));
  return true;
}

}  // namespace brelfx
