#include "device/keyboard_reports.h"

#include "device/key_layer_reports.h"
#include "device/macro_report.h"
#include "device/profile_reports.h"

namespace brelfx {
namespace {

constexpr int kHostStateSettleMs = 100;

bool IsKeyIndex(int key) { return key >= 0 && key < kKeyCount; }

// Request, read, and parse — only when the keyboard answered for the profile
// that was asked for, so an answer meant for another slot is never stored.
template <typename Parse>
bool ReadProfileReport(ReportLink& link, int slot, std::uint8_t selector, const ReportFormat& format,
                       SettingsBlock& block, Parse parse) {
  if (!IsProfileSlot(slot)) return false;
  Report report;
  if (!link.RequestAndRead(slot, selector, format, report)) return false;
  return report[2] == slot && parse(report, block);
}

// Builds the report of one profile and writes it.
template <typename Build>
bool SendProfileReport(ReportLink& link, const SettingsBlock& block, int slot, int firstPauseMs,
                       Build build) {
  if (!IsProfileSlot(slot)) return false;
  return link.Write(build(block.Profiles[slot], slot), firstPauseMs);
}

}  // namespace

bool SendKeyLayer(ReportLink& link, const KeyLayer& layer, const SettingsBlock& block, int slot) {
  return SendProfileReport(link, block, slot, layer.firstPauseMs,
                           [&layer](const ProfileRecord& profile, int s) {
                             return BuildKeyLayerReport(layer, profile, s);
                           });
}

bool ReadKeyLayer(ReportLink& link, const KeyLayer& layer, int slot, SettingsBlock& block) {
  return ReadProfileReport(link, slot, layer.selector, layer.format(), block,
                           [&layer](std::span<const std::uint8_t> report, SettingsBlock& b) {
                             return ParseKeyLayerReport(layer, report, b);
                           });
}

bool SendCapsLock(ReportLink& link, const SettingsBlock& block, int slot) {
  return SendProfileReport(link, block, slot, kFirstPauseCapsLock, BuildCapsLockReport);
}

bool ReadCapsLock(ReportLink& link, int slot, SettingsBlock& block) {
  return ReadProfileReport(link, slot, kSelectorCapsLock, kCapsLockReport, block,
                           ParseCapsLockReport);
}

bool SendMacro(ReportLink& link, const SettingsBlock& block, int slot, int key) {
  if (!IsKeyIndex(key)) return false;
  return SendProfileReport(link, block, slot, kFirstPauseMacro,
                           [key](const ProfileRecord& profile, int s) {
                             return BuildMacroReport(profile, s, key);
                           });
}

bool ReadMacro(ReportLink& link, int slot, int key, SettingsBlock& block) {
  if (!IsProfileSlot(slot) || !IsKeyIndex(key)) return false;
  Report report;
  if (!link.RequestAndRead(slot, static_cast<std::uint8_t>(key), kMacroReport, report,
                           /*failIfCancelled=*/true)) {
    return false;
  }
  if (report[kMacroProfileOffset] != slot || report[kMacroKeyOffset] != key) return false;
  return ParseMacroReport(report, block);
}

bool SendKeyEnable(ReportLink& link, const SettingsBlock& block, int slot) {
  return SendProfileReport(link, block, slot, kFirstPauseKeyEnable, BuildKeyEnableReport);
}

bool ReadKeyEnable(ReportLink& link, int slot, SettingsBlock& block) {
  return ReadProfileReport(link, slot, kSelectorKeyEnable, kKeyEnableReport, block,
                           ParseKeyEnableReport);
}

bool SendIllumination(ReportLink& link, const SettingsBlock& block, int slot) {
  return SendProfileReport(link, block, slot, kFirstPauseIllumination, BuildIlluminationReport);
}

bool ReadIllumination(ReportLink& link, int slot, SettingsBlock& block) {
  return ReadProfileReport(link, slot, kSelectorIllumination, kIlluminationReport, block,
                           ParseIlluminationReport);
}

bool SendProfileSelect(ReportLink& link, const SettingsBlock& block) {
  return link.Write(BuildProfileSelectReport(block), kFirstPauseProfileSelect);
}

bool ReadProfileSelect(ReportLink& link, SettingsBlock& block) {
  Report report;
  return link.Read(kProfileSelectReport, report) && ParseProfileSelectReport(report, block);
}

std::optional<FirmwareVersions> ReadVersionReport(ReportLink& link) {
  Report report;
  if (!link.Read(kVersionReport, report)) return std::nullopt;
  return ParseVersionReport(report);
}

int ReadFirmwareVersion(ReportLink& link, const StoreFwVersion& store) {
  const std::optional<FirmwareVersions> versions = ReadVersionReport(link);
  const int firmware = versions ? versions->firmware : 0;
  if (store) store(firmware);
  return firmware;
}

bool SendDefaultsCommand(ReportLink& link) {
  return link.Write(BuildDefaultsCommand(), kFirstPauseDefaults);
}

bool SendStamp(ReportLink& link, const SettingsStamp& stamp) {
  return link.Write(BuildStampReport(stamp), kFirstPauseStamp);
}

std::optional<SettingsStamp> ReadStamp(ReportLink& link) {
  Report report;
  if (!link.Read(kStampReport, report)) return std::nullopt;
  return ParseStampReport(report);
}

bool SendHostState(ReportLink& link, const SettingsBlock& block, std::uint8_t requested) {
  link.clock().SleepMs(kHostStateSettleMs);
  return link.Write(BuildHostStateReport(block, requested), kFirstPauseHostState);
}

bool SendTalkState(ReportLink& link, std::uint8_t first, std::uint8_t second) {
  return link.Write(BuildTalkStateReport(first, second), kFirstPauseTalkState);
}

bool SendAmbientLight(ReportLink& link, const AmbientLightRecord& record) {
  return link.Write(BuildAmbientLightReport(record), kFirstPauseAmbientLight);
}

bool SendAmbientLightOff(ReportLink& link) {
  return link.Write(BuildAmbientLightOffReport(), kFirstPauseAmbientLight);
}

}  // namespace brelfx
