#include "option/app/main_window_model.h"

#include <cstring>
#include <utility>

#include "option/app/advanced_page/configuration_reset.h"
#include "option/app/languages.h"
#include "option/app/program_identity.h"
#include "platform/path.h"
#include "settings/firmware_version_text.h"

namespace brelfx {
namespace {

bool IsSlot(int value) { return value >= 0 && value < kProfileCount; }

// What the pages read while no help library could be loaded: every text stays
// as it was.
class NoStrings final : public StringSource {
 public:
  std::optional<std::string> Text(int) override { return std::nullopt; }
};

}  // namespace

MainWindowModel::MainWindowModel(MainWindowServices services)
    : services_(std::move(services)),
      files_(services_.programFolder, services_.fs, services_.registry),
      link_(services_.shared, services_.messenger, *this, services_.ui, *this),
      transfer_(services_.programFolder, services_.fs, files_),
      deviceList_(std::make_unique<CompanionDeviceList>()) {
  versions_.program = kProgramVersionText;
}

void MainWindowModel::Start() {
  ShowFirmwareVersion(FirmwareVersionText(files_.ReadFWVersion(), FirmwareTextRule::kStartUp));
  // Clears the saved block, opens the settings mutex and the monitor's
  // section (the shared-memory seam opens both together) and fills the saved
  // and the edited block from the monitor, or from the files without it.
  link_.Start();
  // The library, then the timers; then the library takes back every macro
  // the profiles hold and is saved, so the file again has them all.
  macros_ = LoadMacroLibrary(MacroLibraryFilePath(services_.programFolder), services_.fs);
  osd_ = files_.ReadOsdSetting();
  timers_ = LoadTimers(TimerFilePath(), services_.fs);
  SyncMacroLibraryWithProfiles(macros_, saved().Profiles);
  SaveMacros();
  ReloadDeviceList();
  // The files already brought the registry's key repeat; the monitor's block
  // carries what the keyboard had.
  SettingsBlock& block = edited();
  if (link_.sharedAvailable() && IsSlot(block.CurrentProfile))
    ReadKeyboardRepeat(services_.registry, block.Profiles[block.CurrentProfile]);
  RefreshEverything();
  LoadHelpLibrary();
}

void MainWindowModel::AttachPage(PageId id, Page& page) {
  pages_.Attach(id, page);
  page.Reload(edited());
  NoStrings none;
  page.ReloadStrings(helpLibrary_ ? *helpLibrary_ : static_cast<StringSource&>(none));
}

bool MainWindowModel::SaveMacros() {
  return SaveMacroLibrary(MacroLibraryFilePath(services_.programFolder), macros_, services_.fs);
}

bool MainWindowModel::CommitMacros(MacroLibrary working) {
  macros_ = std::move(working);
  return SaveMacros();
}

bool MainWindowModel::SaveTimers() { return brelfx::SaveTimers(TimerFilePath(), timers_, services_.fs); }

std::string MainWindowModel::TimerFilePath() const {
  return JoinPath(JoinPath(services_.programFolder, "config"), "Timer.ini");
}

bool MainWindowModel::SelectTab(PageId id) { return pages_.Select(id); }

void MainWindowModel::SelectSlot(int slot) {
  if (!IsSlot(slot)) return;
  edited().CurrentProfile = slot;
  RefreshEverything();
}

void MainWindowModel::ClickWindowsProfileMarker(int slot) {
  if (!IsSlot(slot)) return;
  SettingsBlock& block = edited();
  if (block.WindowsProfile == slot)
    block.WindowsProfile = -1;
  else if (services_.confirmWindowsProfile && services_.confirmWindowsProfile(slot))
    block.WindowsProfile = slot;
  ShowMainView();
}

ProfileEditForm MainWindowModel::BeginProfileEdit(bool create) {
  return create ? ProfileEditForm::ForCreate() : ProfileEditForm::ForEdit(ActiveProfile());
}

void MainWindowModel::FinishProfileEdit(const ProfileEditForm& form) {
  form.WriteTo(ActiveProfile());
  ShowMainView();
}

bool MainWindowModel::ChooseLanguage(int result) {
  if (result < 0 || result >= kLanguageCount) return false;
  edited().QuickHelpLan = result;
  ShowMainView();
  LoadHelpLibrary();
  return true;
}

TransferResult MainWindowModel::LoadProfile(const std::string& chosenPath) {
  TransferResult result = transfer_.Load(chosenPath, edited());
  if (result.done) RefreshEverything();
  return result;
}

TransferResult MainWindowModel::SaveProfile(const std::string& chosenPath) {
  return transfer_.Save(chosenPath, edited());
}

PublishOutcome MainWindowModel::Apply(ApplyMode mode) { return link_.Apply(mode); }

void MainWindowModel::ResetConfiguration() {
  brelfx::ResetConfiguration(edited());
  RefreshEverything();
}

void MainWindowModel::OnKeysChanged() {
  for (PageId id : {PageId::kMain, PageId::kZonix, PageId::kMediaF}) pages_.Reload(id, edited());
}

void MainWindowModel::OnProfileColorsChanged() { ShowMainView(); }

bool MainWindowModel::OnMonitorMessage(unsigned int message) {
  return link_.OnMonitorMessage(message);
}

void MainWindowModel::Close() {
  link_.Close();
  helpLibrary_.reset();
}

void MainWindowModel::ReadAll(SettingsBlock& block) { files_.ReadAll(block); }

void MainWindowModel::WriteAll(const SettingsBlock& block) { files_.WriteAll(block); }

void MainWindowModel::WriteInfoData(const std::uint8_t (&infoData)[kInfoDataSize]) {
  files_.WriteInfoData(infoData);
}

int MainWindowModel::ReadFirmwareVersion() { return files_.ReadFWVersion(); }

void MainWindowModel::ReloadDeviceList() { *deviceList_ = files_.ReadDeviceList(); }

void MainWindowModel::Refresh(OptionView view) {
  switch (view) {
    case OptionView::kApplyPages:
      pages_.Reload(PageId::kMain, edited());
      pages_.Reload(PageId::kAdvanced, edited());
      return;
    case OptionView::kEverything: RefreshEverything(); return;
    case OptionView::kAdvancedPage: pages_.Reload(PageId::kAdvanced, edited()); return;
    case OptionView::kTroviPage: pages_.Reload(PageId::kTrovi, edited()); return;
  }
}

void MainWindowModel::ShowFirmwareVersion(const std::string& text) {
  versions_.firmware = text;
  versions_.links = BuildSupportLinks(versions_.program, versions_.firmware);
  services_.view.ShowVersionTexts(versions_);
}

// The keyboard's profiles were read back: macros it held that the library
// lacks come into it as at start-up.
void MainWindowModel::ReloadMacroPresets() {
  if (SyncMacroLibraryWithProfiles(macros_, saved().Profiles)) SaveMacros();
}

void MainWindowModel::RefreshEverything() {
  // Pages address the active slot by CurrentProfile; a config.ini without the
  // key leaves -1. Slot 0 is the one the monitor makes current on a fresh install.
  if (!IsSlot(edited().CurrentProfile)) edited().CurrentProfile = 0;
  ShowMainView();
  pages_.ReloadAll(edited());
}

void MainWindowModel::ShowMainView() { services_.view.ShowMainView(ComputeMainView(edited())); }

void MainWindowModel::LoadHelpLibrary() {
  // The old library is freed before the next one is loaded.
  helpLibrary_.reset();
  helpLibrary_ = services_.helpLibraries.Load(
      HelpLibraryPath(services_.programFolder, edited().QuickHelpLan));
  NoStrings none;
  StringSource& strings = helpLibrary_ ? *helpLibrary_ : none;
  LoadMainHelpTexts(strings, helpTexts_);
  pages_.ReloadStrings(strings);
  services_.view.ShowHelpTexts(helpTexts_, edited().QuickHelpLan);
}

ProfileRecord& MainWindowModel::ActiveProfile() {
  return edited().Profiles[edited().CurrentProfile];
}

}  // namespace brelfx
