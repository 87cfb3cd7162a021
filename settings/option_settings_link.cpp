#include "settings/option_settings_link.h"

#include <cstring>

#include "settings/block_defaults.h"
#include "settings/firmware_version_text.h"
#include "settings/shared_settings.h"

namespace brelfx {

OptionSettingsLink::OptionSettingsLink(SharedMemory& shared, WindowMessenger& messenger,
                                       OptionFiles& files, OptionUi& ui, OptionViews& views)
    : shared_(shared),
      messenger_(messenger),
      files_(files),
      ui_(ui),
      views_(views),
      saved_(std::make_unique<SettingsBlock>()),
      edited_(std::make_unique<SettingsBlock>()) {}

bool OptionSettingsLink::Start() {
  ClearBlock(*saved_);
  const SharedOpenResult opened = OpenSharedSettings(shared_);
  if (opened == SharedOpenResult::kMapFailed) ui_.ShowMessageBox(kCouldNotMapViewText);
  sharedAvailable_ = opened == SharedOpenResult::kMapped;
  // A section whose mutex cannot be taken gives nothing to start from: the
  // files still hold the last applied settings.
  const bool fromShared = sharedAvailable_ && TakeSavedFromShared();
  if (!fromShared) files_.ReadAll(*saved_);
  *edited_ = *saved_;
  return fromShared;
}

PublishOutcome OptionSettingsLink::Apply(ApplyMode mode) {
  ui_.BeginWaitCursor();
  ui_.EnableOkAndApply(false);
  ComputeChangeFlags(*saved_, *edited_);
  const bool copied = CopyToShared(shared_, *edited_);
  files_.WriteAll(*edited_);
  views_.Refresh(OptionView::kApplyPages);
  const PublishOutcome outcome =
      NotifyMonitor(copied, WM_APPLY_SETTINGS, static_cast<std::uintptr_t>(mode));
  ui_.RestoreWaitCursor();
  if (outcome != PublishOutcome::kCopyFailed) {
    ClearChangeArea(*edited_);
    *saved_ = *edited_;
  }
  ui_.EnableOkAndApply(true);
  ui_.EndWaitCursor();
  return outcome;
}

PublishOutcome OptionSettingsLink::ChangeStatistics() {
  std::memcpy(saved_->InfoData, edited_->InfoData, sizeof(saved_->InfoData));
  const bool copied = CopyToShared(shared_, *saved_);
  files_.WriteInfoData(saved_->InfoData);
  return NotifyMonitor(copied, WM_INFODATA_CHANGED, 0);
}

PublishOutcome OptionSettingsLink::NotifyMonitor(bool copied, unsigned int message,
                                                 std::uintptr_t wParam) {
  if (!copied) return sharedAvailable_ ? PublishOutcome::kCopyFailed : PublishOutcome::kFilesOnly;
  const WindowId monitor = messenger_.FindByTitle(kMonitorWindowTitle);
  if (monitor == 0) return PublishOutcome::kMonitorWindowGone;
  messenger_.Send(monitor, message, wParam, 0);
  return PublishOutcome::kMonitorNotified;
}

bool OptionSettingsLink::OnMonitorMessage(unsigned int message) {
  // clang-format off
  switch (message) {
    case WM_SETTINGS_RELOADED:   OnSettingsReloaded(); return true;
    case WM_PROFILE_SWITCHED:    OnProfileSwitched(); return true;
    case WM_BRIGHTNESS_CHANGED:  OnBrightnessChanged(); return true;
    case WM_COUNTERS_CHANGED:    OnCountersChanged(); return true;
    case WM_DEVICE_LIST_CHANGED: files_.ReloadDeviceList(); return true;
    default:                     return false;
  }
  // clang-format on
}

bool OptionSettingsLink::TakeSavedFromShared() {
  if (!CopyFromShared(shared_, *saved_)) return false;
  // The shared change area holds what the monitor was last asked to send, not
  // edits of ours; kept, it would be sent again with the next Apply.
  ClearChangeArea(*saved_);
  return true;
}

void OptionSettingsLink::ReplaceEditsWithShared() {
  if (!TakeSavedFromShared()) return;
  *edited_ = *saved_;
  views_.Refresh(OptionView::kEverything);
}

void OptionSettingsLink::OnSettingsReloaded() {
  views_.ShowFirmwareVersion(
      FirmwareVersionText(files_.ReadFirmwareVersion(), FirmwareTextRule::kAfterSync));
  ReplaceEditsWithShared();
  views_.ReloadMacroPresets();
}

void OptionSettingsLink::OnProfileSwitched() {
  ReplaceEditsWithShared();
}

void OptionSettingsLink::OnBrightnessChanged() {
  if (!TakeSavedFromShared()) return;
  // Only the brightness of the active slot changed on the keyboard; every
  // other pending edit stays.
  const int slot = saved_->CurrentProfile;
  if (slot < 0 || slot >= kProfileCount) return;
  edited_->Profiles[slot].LtBrightness = saved_->Profiles[slot].LtBrightness;
  views_.Refresh(OptionView::kAdvancedPage);
}

void OptionSettingsLink::OnCountersChanged() {
  if (!TakeSavedFromShared()) return;
  std::memcpy(edited_->InfoData, saved_->InfoData, sizeof(edited_->InfoData));
  views_.Refresh(OptionView::kTroviPage);
}

void OptionSettingsLink::Close() {
  shared_.Close();
  sharedAvailable_ = false;
}

}  // namespace brelfx
