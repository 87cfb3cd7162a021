// Full device sync (worker job 2): reads the keyboard's settings back into the
// local block unless the stamps said the keyboard still holds what this
// computer wrote.
#include <iterator>

#include "device/device_sync.h"
#include "device/keyboard_reports.h"
#include "settings/block_defaults.h"

namespace brelfx {
namespace {

constexpr int kReadSettleMs = 100;
constexpr int kMacroReadAttempts = 3;
// Firmware version and profile select, read also when in step.
constexpr int kFirstReads = 2;

using ProfileRead = bool (*)(ReportLink& link, int slot, SettingsBlock& block);

// The profile reports in the order they are read, each kind for profiles 0-4.
constexpr ProfileRead kProfileReads[] = {
    ReadKeyEnable,
    [](ReportLink& l, int s, SettingsBlock& b) { return ReadKeyLayer(l, kFKeyLayer, s, b); },
    [](ReportLink& l, int s, SettingsBlock& b) { return ReadKeyLayer(l, kZonixLayer, s, b); },
    [](ReportLink& l, int s, SettingsBlock& b) { return ReadKeyLayer(l, kMediaKeyLayer, s, b); },
    [](ReportLink& l, int s, SettingsBlock& b) { return ReadKeyLayer(l, kThumbKeyLayer, s, b); },
    [](ReportLink& l, int s, SettingsBlock& b) { return ReadKeyLayer(l, kMacroKeyLayer, s, b); },
    ReadIllumination,
    ReadCapsLock,
};

constexpr int kProfileReadCount = static_cast<int>(std::size(kProfileReads)) * kProfileCount;

int MacroKeyCount(const SettingsBlock& block) {
  int count = 0;
  for (const ProfileRecord& profile : block.Profiles)
    for (int k = 0; k < kMacroKeyCount; ++k)
      count += profile.MacroKeyInfo[k].FunctionCode == kFnMacro;
  return count;
}

}  // namespace

bool DeviceSync::FullDeviceSync(SettingsBlock& block) {
  const bool inStep = inStep_.load();
  ProgressCount progress(progress_.reading,
                         kFirstReads + (inStep ? 0 : kProfileReadCount + MacroKeyCount(block)));
  ReadFirmwareVersion(link_, [this](int version) { store_.WriteFWVersion(version); });
  progress.Step();
  if (!link_.Pause(kReadSettleMs)) return false;
  bool result = ReadProfileSelect(link_, block);
  progress.Step();
  if (!link_.Pause(kReadSettleMs)) return false;

  if (!inStep) {
    if (!ReadProfileReports(block, progress)) return false;
    progress.Replan(kFirstReads + kProfileReadCount + MacroKeyCount(block));
    result = ReadMacros(block, progress) && result;
  }
  ClearChangeArea(block);
  if (!result) return false;
  // A sync cancelled between two profiles keeps what it read but makes no
  // stamp: the keyboard would otherwise count as in step while the macros of
  // the later profiles were never read.
  if (!inStep && !link_.cancelled()) NewStamp();
  store_.SaveProfiles(block);
  Notify(notifications_.publish);
  Notify(notifications_.notifyReloaded);
  return true;
}

// A read that fails is passed over and leaves the block as it was; false only
// when worker cancel stopped the sequence.
bool DeviceSync::ReadProfileReports(SettingsBlock& block, ProgressCount& progress) {
  for (ProfileRead read : kProfileReads)
    for (int p = 0; p < kProfileCount; ++p) {
      read(link_, p, block);
      progress.Step();
      if (!link_.Pause(kReadSettleMs)) return false;
    }
  return true;
}

// The macros of every key the key layers just marked as macro keys. False
// when one could not be read or worker cancel came during a read; cancel in
// the pause after a profile ends the reading with what was read so far.
bool DeviceSync::ReadMacros(SettingsBlock& block, ProgressCount& progress) {
  for (int p = 0; p < kProfileCount; ++p) {
    for (int k = 0; k < kMacroKeyCount; ++k) {
      if (block.Profiles[p].MacroKeyInfo[k].FunctionCode != kFnMacro) continue;
      if (!ReadMacroWithRetries(block, p, k)) return false;
      progress.Step();
    }
    if (!link_.Pause(kReadSettleMs)) return true;
  }
  return true;
}

bool DeviceSync::ReadMacroWithRetries(SettingsBlock& block, int slot, int key) {
  for (int attempt = 0; attempt < kMacroReadAttempts; ++attempt) {
    const bool read = ReadMacro(link_, slot, key, block);
    if (!link_.Pause(kReadSettleMs)) return false;
    if (read) return true;
  }
  return false;
}

}  // namespace brelfx
