// The option application's main window without the window: start-up, the
// profile slots, the commands of its buttons and the monitor's messages, over
// injected services. The Win32 dialog turns messages into calls on it and
// paints what it shows through MainWindowView.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "option/app/main_help_texts.h"
#include "option/app/main_window_view.h"
#include "option/app/page_host.h"
#include "option/app/profile_edit_form.h"
#include "option/app/profile_transfer.h"
#include "option/app/string_source.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shared_memory.h"
#include "platform/window_messenger.h"
#include "settings/companion_device.h"
#include "settings/macro_library.h"
#include "settings/option_settings_link.h"
#include "settings/osd_setting.h"
#include "settings/settings_files.h"
#include "settings/timer_file.h"

namespace brelfx {

struct MainWindowServices {
  std::string programFolder;  // with or without a trailing separator
  FileSystem& fs;
  Registry& registry;
  SharedMemory& shared;
  WindowMessenger& messenger;
  OptionUi& ui;
  MainWindowView& view;
  HelpLibraryLoader& helpLibraries;
  // Asks the user whether slot 0-4 shall become the windows profile; true on OK.
  std::function<bool(int slot)> confirmWindowsProfile;
};

class MainWindowModel final : private OptionFiles, private OptionViews {
 public:
  explicit MainWindowModel(MainWindowServices services);

  // The dialog's initialisation, from clearing the saved block to loading the
  // help library of the stored language.
  void Start();

  PageHost& pages() { return pages_; }
  // A page built after start-up (the pages not shown first are built after
  // the window's first paint): attached, filled from the edited block and
  // given the strings of the loaded language.
  void AttachPage(PageId id, Page& page);
  SettingsBlock& edited() { return link_.edited(); }
  const SettingsBlock& saved() const { return link_.saved(); }
  bool sharedAvailable() const { return link_.sharedAvailable(); }
  const VersionTexts& versions() const { return versions_; }
  const OSDSetting& osdSetting() const { return osd_; }
  const CompanionDeviceList& deviceList() const { return *deviceList_; }
  const MainHelpTexts& helpTexts() const { return helpTexts_; }
  // The key pages' timer list (config\Timer.ini, read at start-up) and the
  // macro library their menus offer.
  TimerList& timers() { return timers_; }
  bool SaveTimers();
  const MacroLibrary& macros() const { return macros_; }
  // OK of the macro manager: its working copy becomes the library, which is
  // written (only the changed sets). False when the file could not be written.
  bool CommitMacros(MacroLibrary working);

  // Tab click; false when the page already is the current one.
  bool SelectTab(PageId id);
  // Slot button of slot 0-4.
  void SelectSlot(int slot);
  // Windows-profile marker of slot 0-4: the windows profile is removed at
  // once; another slot becomes it only after the user confirms.
  void ClickWindowsProfileMarker(int slot);
  // Create (empty fields) or Edit (the active slot's values).
  ProfileEditForm BeginProfileEdit(bool create);
  // OK of the profile edit dialog: into the active slot.
  void FinishProfileEdit(const ProfileEditForm& form);
  // Result of the language selector: -1 keeps the language; 0-16 stores it
  // and loads its help library. True when the language was stored.
  bool ChooseLanguage(int result);
  TransferResult LoadProfile(const std::string& chosenPath);
  TransferResult SaveProfile(const std::string& chosenPath);
  // Apply, and OK before the window closes. Cancel and Exit apply nothing:
  // the window just closes and the edits go with it. After a reset the
  // monitor restores the keyboard's own defaults (kRestoreDefaults).
  PublishOutcome Apply(ApplyMode mode = ApplyMode::kSendChanges);
  // The Advanced page's reset, confirmed: the edited block becomes the
  // defaults and every page and slot shows them; Apply sends them.
  void ResetConfiguration();
  // A key page changed a key of the active profile: the key pages all show it.
  void OnKeysChanged();
  // The Advanced page changed a colour: the slot swatches follow.
  void OnProfileColorsChanged();
  // The monitor's notifications; false for any other message.
  bool OnMonitorMessage(unsigned int message);
  // At window destruction: shared memory and the help library go.
  void Close();

 private:
  // OptionFiles
  void ReadAll(SettingsBlock& block) override;
  void WriteAll(const SettingsBlock& block) override;
  void WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]) override;
  int ReadFirmwareVersion() override;
  void ReloadDeviceList() override;
  // OptionViews
  void Refresh(OptionView view) override;
  void ShowFirmwareVersion(const std::string& text) override;
  void ReloadMacroPresets() override;

  void RefreshEverything();
  void ShowMainView();
  void LoadHelpLibrary();
  ProfileRecord& ActiveProfile();
  std::string TimerFilePath() const;
  bool SaveMacros();

  MainWindowServices services_;
  SettingsFiles files_;
  OptionSettingsLink link_;
  ProfileTransfer transfer_;
  PageHost pages_;
  VersionTexts versions_;
  OSDSetting osd_{};
  std::unique_ptr<CompanionDeviceList> deviceList_;
  TimerList timers_;
  MacroLibrary macros_;
  MainHelpTexts helpTexts_;
  std::unique_ptr<StringSource> helpLibrary_;
};

}  // namespace brelfx
