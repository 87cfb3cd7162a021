// Fetch live-recorded macro (worker job 4): the keyboard recorded a macro on
// one of its keys by itself; the host reads it into the active profile.
#include "device/device_sync.h"
#include "device/keyboard_reports.h"

namespace brelfx {
namespace {

constexpr int kFetchAttempts = 3;
constexpr int kFetchPauseMs = 100;
constexpr int kLastRecordableKey = 36;

}  // namespace

void DeviceSync::FetchLiveRecordedMacro(SettingsBlock& block, std::uint16_t eventValue) {
  const int key = (eventValue & 0xFF) - 1;
  const int slot = block.CurrentProfile;
  if (!IsProfileSlot(slot) || key < 0 || key > kLastRecordableKey) return;

  bool fetched = false;
  for (int attempt = 0; attempt < kFetchAttempts && !fetched; ++attempt) {
    if (!link_.Pause(kFetchPauseMs)) return;
    fetched = ReadMacro(link_, slot, key, block);
  }
  if (!fetched) return;
  Notify(notifications_.publish);
  Notify(notifications_.notifyReloaded);
  NewStamp();
  store_.SaveProfiles(block);
  if (block.Profiles[slot].SoundLRecord == 1) Notify(notifications_.playRecordedMacroSound);
}

}  // namespace brelfx
