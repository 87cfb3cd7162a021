#include "device/key_layer_reports.h"

#include "settings/text_field.h"

namespace brelfx {
namespace {

constexpr int kFirstCodeOffset = 3;

std::uint8_t ToDeviceCode(std::uint8_t code, std::uint8_t standardCode) {
  return code == kFnStandard ? standardCode : code;
}

std::uint8_t FromDeviceCode(std::uint8_t code, std::uint8_t standardCode) {
  return code == standardCode ? static_cast<std::uint8_t>(kFnStandard) : code;
}

}  // namespace

Report BuildKeyLayerReport(const KeyLayer& layer, const ProfileRecord& profile, int slot) {
  Report report = NewProfileReport(layer.format(), slot);
  const int n = layer.keyCount;
  for (int i = 0; i < n; ++i) {
    const KeyAssignment& entry = profile.MacroKeyInfo[layer.firstKey + i];
    report[kFirstCodeOffset + i] = ToDeviceCode(entry.FunctionCode, layer.deviceCodes[i]);
    if (entry.FunctionCode == kFnShortcut) {
      report[kFirstCodeOffset + n + i] = entry.Actions[0].Type;  // modifier mask
      report[kFirstCodeOffset + 2 * n + i] = entry.Actions[0].Code;
    }
  }
  StoreChecksum(report);
  return report;
}

bool ParseKeyLayerReport(const KeyLayer& layer, std::span<const std::uint8_t> report,
                         SettingsBlock& block) {
  const int slot = ReportProfileSlot(report, layer.format());
  if (slot < 0) return false;
  const int n = layer.keyCount;
  ProfileRecord& profile = block.Profiles[slot];
  for (int i = 0; i < n; ++i) {
    KeyAssignment& entry = profile.MacroKeyInfo[layer.firstKey + i];
    entry.FunctionCode = FromDeviceCode(report[kFirstCodeOffset + i], layer.deviceCodes[i]);
    if (entry.FunctionCode != kFnShortcut) continue;
    entry.ActionCount = 1;
    entry.Actions[0].Type = report[kFirstCodeOffset + n + i];
    entry.Actions[0].Code = report[kFirstCodeOffset + 2 * n + i];
    SetTextField(entry.Name1, "");
    SetTextField(entry.MacroSetName, "");
    SetTextField(entry.MacroName, "");
  }
  return true;
}

Report BuildCapsLockReport(const ProfileRecord& profile, int slot) {
  Report report = NewProfileReport(kCapsLockReport, slot);
  report[3] = ToDeviceCode(profile.MacroKeyInfo[kKeyCapsLk].FunctionCode, kCapsLockDeviceCode);
  StoreChecksum(report);
  return report;
}

bool ParseCapsLockReport(std::span<const std::uint8_t> report, SettingsBlock& block) {
  const int slot = ReportProfileSlot(report, kCapsLockReport);
  if (slot < 0) return false;
  block.Profiles[slot].MacroKeyInfo[kKeyCapsLk].FunctionCode =
      FromDeviceCode(report[3], kCapsLockDeviceCode);
  return true;
}

}  // namespace brelfx
