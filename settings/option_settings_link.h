// The option application's two blocks (saved: last applied or loaded; edited:
// what the pages change) and their exchange with the monitor: Apply, the
// statistics change and the reactions to the monitor's notifications. The
// window code supplies the files, the cursor, the buttons and the page
// refreshes through the interfaces below.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/shared_memory.h"
#include "platform/window_messenger.h"
#include "settings/settings_block.h"
#include "settings/shared_catalogue.h"

namespace brelfx {

// The settings files as the option application uses them.
class OptionFiles {
 public:
  virtual ~OptionFiles() = default;
  // config.ini, the five profile files and the registry repeat values.
  virtual void ReadAll(SettingsBlock& block) = 0;
  virtual void WriteAll(const SettingsBlock& block) = 0;
  // [Setting] "InfoData" of config.ini.
  virtual void WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]) = 0;
  // [Setting] "FWVersion" of config.ini.
  virtual int ReadFirmwareVersion() = 0;
  // DeviceInfo.ini into the application's companion-device list.
  virtual void ReloadDeviceList() = 0;
};

// What Apply shows while the monitor writes the keyboard.
class OptionUi {
 public:
  virtual ~OptionUi() = default;
  virtual void BeginWaitCursor() = 0;
  // Puts the wait cursor back after a call that may have changed the cursor.
  virtual void RestoreWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
  // Enables or disables the OK and Apply buttons and redraws them at once.
  virtual void EnableOkAndApply(bool enabled) = 0;
  virtual void ShowMessageBox(const char* text) = 0;
};

enum class OptionView {
  kApplyPages,  // the Main and the Advanced page
  kEverything,  // every page and the profile slots
  kAdvancedPage,
  kTroviPage,
};

// Views that reload themselves from the edited block.
class OptionViews {
 public:
  virtual ~OptionViews() = default;
  virtual void Refresh(OptionView view) = 0;
  // Repaints the version text area and rebuilds the support links with it.
  virtual void ShowFirmwareVersion(const std::string& text) = 0;
  virtual void ReloadMacroPresets() = 0;
};

// How far a block published by the option application got.
enum class PublishOutcome {
  kMonitorNotified,    // in shared memory, and the monitor has handled the message
  kMonitorWindowGone,  // in shared memory; there is no monitor window to tell
  kFilesOnly,          // no shared memory: only the files were written
  kCopyFailed,         // shared memory is there but the copy failed; the monitor was not
                       // told, since it would act on the previous block
};

// The text shown when the monitor's section exists but cannot be mapped.
constexpr char kCouldNotMapViewText[] = "Could not map view of file.";

class OptionSettingsLink {
 public:
  OptionSettingsLink(SharedMemory& shared, WindowMessenger& messenger, OptionFiles& files,
                     OptionUi& ui, OptionViews& views);

  // Start-up: clears the saved block, opens the mutex and the section and
  // takes the saved block from the monitor, or from the files when the
  // monitor does not run; the edited block starts as a copy. True when the
  // settings came from shared memory.
  bool Start();

  const SettingsBlock& saved() const { return *saved_; }
  SettingsBlock& edited() { return *edited_; }
  bool sharedAvailable() const { return sharedAvailable_; }

  // Publishes the edited block, writes the files and waits until the monitor
  // has written the keyboard; afterwards the edited block is the saved one.
  // After kCopyFailed the edits stay pending so that the next Apply sends them.
  PublishOutcome Apply(ApplyMode mode);

  // After the Trovi page reset the counters of the edited block.
  PublishOutcome ChangeStatistics();

  // The monitor's notifications; false for any other message.
  bool OnMonitorMessage(unsigned int message);

  // At window destruction.
  void Close();

 private:
  // Sends the message to the monitor's window if the block reached shared memory.
  PublishOutcome NotifyMonitor(bool copied, unsigned int message, std::uintptr_t wParam);
  // Copies shared memory into the saved block; false leaves it as it was.
  bool TakeSavedFromShared();
  // The monitor's block replaces the saved block and every unapplied edit.
  void ReplaceEditsWithShared();
  void OnSettingsReloaded();
  void OnProfileSwitched();
  void OnBrightnessChanged();
  void OnCountersChanged();

  SharedMemory& shared_;
  WindowMessenger& messenger_;
  OptionFiles& files_;
  OptionUi& ui_;
  OptionViews& views_;
  bool sharedAvailable_ = false;
  // 744,924 bytes each: on the heap.
  std::unique_ptr<SettingsBlock> saved_;
  std::unique_ptr<SettingsBlock> edited_;
};

}  // namespace brelfx
