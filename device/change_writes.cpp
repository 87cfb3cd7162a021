#include "device/change_writes.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "device/key_layer_reports.h"
#include "device/macro_report.h"
#include "device/profile_reports.h"
#include "device/report_ids.h"

namespace brelfx {
namespace {

// Settling time after a profile select, key-enable or key layer report, and
// after an illumination or Caps Lock report.
constexpr int kSettleLongMs = 200;
constexpr int kSettleShortMs = 100;

bool IsSet(std::int32_t flag) {
  return flag == 1;
}

bool AnyKeyChanged(const SettingsBlock& block, int slot, int firstKey, int keyCount) {
  const std::int32_t* flags = block.KeyChanged[slot] + firstKey;
  return std::any_of(flags, flags + keyCount, IsSet);
}

}  // namespace

std::vector<ChangeWrite> PlanChangeWrites(const SettingsBlock& block) {
  std::vector<ChangeWrite> writes;
  auto settings = [&writes](Report report, int firstPauseMs, int pauseAfterMs) {
    writes.push_back({std::move(report), firstPauseMs, pauseAfterMs, false});
  };

  if (IsSet(block.UpdateFlags[kUpdateProfileSelect]))
    settings(BuildProfileSelectReport(block), kFirstPauseProfileSelect, kSettleLongMs);
  for (int p = 0; p < kProfileCount; ++p)
    if (IsSet(block.UpdateFlags[kUpdateKeyEnableFirst + p]))
      settings(BuildKeyEnableReport(block.Profiles[p], p), kFirstPauseKeyEnable, kSettleLongMs);
  for (const KeyLayer* layer : kKeyLayers)
    for (int p = 0; p < kProfileCount; ++p)
      if (AnyKeyChanged(block, p, layer->firstKey, layer->keyCount))
        settings(BuildKeyLayerReport(*layer, block.Profiles[p], p), layer->firstPauseMs,
                 kSettleLongMs);
  for (int p = 0; p < kProfileCount; ++p)
    if (IsSet(block.UpdateFlags[kUpdateIlluminationFirst + p]))
      settings(BuildIlluminationReport(block.Profiles[p], p), kFirstPauseIllumination,
               kSettleShortMs);
  for (int p = 0; p < kProfileCount; ++p)
    if (IsSet(block.KeyChanged[p][kKeyCapsLk]))
      settings(BuildCapsLockReport(block.Profiles[p], p), kFirstPauseCapsLock, kSettleShortMs);

  for (int p = 0; p < kProfileCount; ++p)
    for (int k = 0; k < kMacroKeyCount; ++k)
      if (block.Profiles[p].MacroKeyInfo[k].FunctionCode == kFnMacro &&
          IsSet(block.KeyChanged[p][k]))
        writes.push_back({BuildMacroReport(block.Profiles[p], p, k), kFirstPauseMacro, 0, true});
  return writes;
}

void MarkEverythingChanged(SettingsBlock& block) {
  std::fill(&block.KeyChanged[0][0], &block.KeyChanged[0][0] + kProfileCount * kKeyCount, 1);
  std::fill(std::begin(block.UpdateFlags), std::end(block.UpdateFlags), 1);
}

std::vector<Report> WholeConfigurationReports(const SettingsBlock& block) {
  auto everything = std::make_unique<SettingsBlock>(block);  // 744,924 bytes: on the heap
  MarkEverythingChanged(*everything);
  std::vector<Report> reports;
  for (ChangeWrite& write : PlanChangeWrites(*everything))
    reports.push_back(std::move(write.report));
  return reports;
}

}  // namespace brelfx
