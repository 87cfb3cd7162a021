// The option application's main window: the skinned modal dialog with the
// tabs, the five profile slots, the profile commands, the language button,
// the help area and OK / Apply / Cancel. Every decision is MainWindowModel's;
// this class turns messages into calls on it and paints what it shows.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "option/app/main_window_model.h"
#include "option/app/monitor_message_gate.h"
#include "option/skin/win32/color_swatch_button.h"
#include "option/skin/win32/dialog/skin_dialog.h"
#include "option/skin/win32/skin_picture.h"
#include "option/win32/apply_runner.h"
#include "option/win32/help_area.h"
#include "option/win32/help_library.h"
#include "option/win32/key_pages/key_page_host.h"
#include "option/win32/option_pages.h"
#include "option/win32/progress_bar.h"
#include "option/win32/slot_name_label.h"
#include "platform/win32/shared_memory.h"
#include "platform/win32/window_messenger.h"

namespace brelfx {

class COptionMainWnd final : public SkinDialog,
                             private MainWindowView,
                             private OptionUi,
                             private KeyPageHost {
 public:
  explicit COptionMainWnd(std::string programFolder);
  ~COptionMainWnd() override;

 protected:
  bool OnInitDialog() override;
  void OnOk() override;
  void OnCancel() override;
  void OnControlCommand(unsigned id, unsigned code, HWND control) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintOver(HDC dc, const RECT& client) override;

 private:
  // MainWindowView
  void ShowMainView(const MainViewState& state) override;
  void ShowVersionTexts(const VersionTexts& versions) override;
  void ShowHelpTexts(const MainHelpTexts& texts, int quickHelpLan) override;
  // OptionUi
  void BeginWaitCursor() override;
  void RestoreWaitCursor() override;
  void EndWaitCursor() override;
  void EnableOkAndApply(bool enabled) override;
  void ShowMessageBox(const char* text) override;
  // KeyPageHost
  TimerList& Timers() override { return model_->timers(); }
  bool SaveTimers() override { return model_->SaveTimers(); }
  const MacroLibrary& Macros() override { return model_->macros(); }
  const CompanionDeviceList& Devices() override { return model_->deviceList(); }
  void ProfileModified() override { model_->OnKeysChanged(); }
  void OpenMacroManager(bool newMacro, int set, const KeyAssignment* key) override;

  void PlaceControls();
  LRESULT OnPaintMain();
  void ShowFirstPicture();
  void BuildRemainingPages();
  std::unique_ptr<CPageWnd> MakePage(PageId id);
  void ShowLanguageFlag(int flagIndex);
  void SelectTab(int tab);
  void EditProfile(bool create);
  void LoadProfile();
  void SaveProfile();
  void ChooseLanguage();
  bool ConfirmWindowsProfile();
  // Apply; false when a WM_CLOSE arrived meanwhile and the window closes.
  bool Apply(ApplyMode mode = ApplyMode::kSendChanges);
  // The Advanced page's confirmed reset: defaults everywhere, then applied.
  void ResetConfiguration();
  void WaitForMonitor(bool waiting);
  void OnMonitorMessage(UINT message);
  void Close();

  std::string programFolder_;
  Win32WindowMessenger systemMessenger_;
  PumpingMessenger messenger_;
  Win32SharedMemory shared_;
  Win32HelpLibraryLoader helpLibraries_;
  std::unique_ptr<MainWindowModel> model_;
  MonitorMessageGate gate_;

  std::array<CSkinButton, kPageCount> tabs_;
  std::array<std::unique_ptr<CPageWnd>, kPageCount> pages_;
  CUpdatePage* updatePage_ = nullptr;
  CSkinButton create_, load_, save_, edit_;
  std::array<CSkinButton, kProfileCount> slots_, offMarkers_, onMarkers_;
  std::array<CSlotNameLabel, kProfileCount> names_;
  std::array<CColorSwatchButton, kProfileCount> swatches_;
  CSkinButton language_, min_, exit_, ok_, apply_, cancel_;
  CHelpArea helpArea_;
  CApplyProgressBar progress_;
  CSkinPicture picture_;
  UniqueFont versionFont_;
  HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
  VersionTexts versions_;
  int flagIndex_ = -1;
  bool firstPaintDone_ = false;
  std::vector<HWND> disabledForApply_;
};

}  // namespace brelfx
