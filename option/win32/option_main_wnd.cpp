#include "option/win32/option_main_wnd.h"

#include <string_view>

#include "option/app/languages.h"
#include "option/skin/skin_messages.h"
#include "option/skin/win32/dialog/message_dialogs.h"
#include "option/skin/win32/help_text.h"
#include "option/skin/win32/lists/popup_list.h"
#include "option/skin/win32/placement.h"
#include "option/win32/advanced_page/advanced_page_wnd.h"
#include "option/win32/file_dialogs.h"
#include "option/win32/key_pages/key_page_wnd.h"
#include "option/win32/macro_manager/macro_manager_dialog.h"
#include "option/win32/main_window_layout.h"
#include "option/win32/option_art_ids.h"
#include "option/win32/profile_edit_dialog.h"
#include "option/win32/startup_trace.h"
#include "platform/file_system.h"
#include "platform/win32/system_registry.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

// The pages not shown yet are built off the path to the first paint: a
// timer's message comes only once no posted message and no paint is pending.
constexpr UINT_PTR kBuildPagesTimer = 1;

SkinSetIds IdsFrom(int first) { return {first, first + 1, first + 2, first + 3, first + 4}; }
SkinSetIds UnshapedIdsFrom(int first) { return {0, first + 1, first + 2, first + 3, first + 4}; }

// The language button's flags by state: 0 normal, 1 hover, 2 pressed.
int FlagId(int language, int state) {
  constexpr int kFirst[] = {BRELFX_IDB_FLAG_NORMAL, BRELFX_IDB_FLAG_HOVER, BRELFX_IDB_FLAG_PRESSED};
  return kFirst[state] + language;
}

class WindowsProfileQuestion final : public CConfirmDialog {
 public:
  WindowsProfileQuestion()
      : CConfirmDialog(IdsFrom(BRELFX_IDB_CONFIRM_WINDOWS),
                       ConfirmLayout{layout::kConfirmOk, layout::kConfirmCancel,
                                     layout::kConfirmExit}) {}
};

// The monitor closes the window: a dialog open over it (the key repeat
// dialog, a question) ends first as if cancelled, so the window can go.
void CancelOwnedDialogs(HWND owner) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM ownerValue) -> BOOL {
        char name[32] = "";
        GetClassNameA(window, name, sizeof(name));
        if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(ownerValue) &&
            std::string_view(name) == "BrelFX.SkinDialog")
          PostMessageA(window, WM_CLOSE, 0, 0);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(owner));
}

}  // namespace

COptionMainWnd::COptionMainWnd(std::string programFolder)
    : SkinDialog(IdsFrom(BRELFX_IDB_MAIN)),
      programFolder_(std::move(programFolder)),
      messenger_(systemMessenger_, [this](bool waiting) { WaitForMonitor(waiting); }) {
  model_ = std::make_unique<MainWindowModel>(MainWindowServices{
      programFolder_, SystemFileSystem(), SystemRegistry(), shared_, messenger_, *this, *this,
      helpLibraries_, [this](int) { return ConfirmWindowsProfile(); }});
}

COptionMainWnd::~COptionMainWnd() {
  DestroyWindowNow();
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

bool COptionMainWnd::OnInitDialog() {
  TraceStartup("skin decoded, window shaped");
  // A main window, not a tool window: it has the task bar button, the
  // system menu and the title the monitor finds it by.
  SetWindowLongA(hwnd(), GWL_EXSTYLE, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT);
  SetWindowLongA(hwnd(), GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX);
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  bigIcon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(BRELFX_IDI_OPTION),
                                           IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(BRELFX_IDI_OPTION),
                                             IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  SetHelpTextWindow(hwnd());
  SetWindowTextA(hwnd(), kOptionWindowTitle);
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  versionFont_.reset(CreateFontA(14, 6, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, "Arial"));
  PlaceControls();
  TraceStartup("controls placed");
  model_->Start();
  TraceStartup("settings read, help library loaded");
  SetTimer(hwnd(), kBuildPagesTimer, 1, nullptr);
  return true;
}

void COptionMainWnd::PlaceControls() {
  const HWND self = hwnd();
  const SkinSet& set = skin();
  for (int i = 0; i < kPageCount; ++i) PlaceSkinButton(self, tabs_[i], layout::kTabs[i], set);
  // Only the page shown first is built before the first paint.
  const RECT pageRect = ToRect(ParseLayoutString(layout::kPagePosition).rect);
  pages_[0] = MakePage(PageId::kMain);
  pages_[0]->Create(self, pageRect);
  model_->AttachPage(PageId::kMain, *pages_[0]);
  tabs_[0].SetChecked(true);

  for (auto [button, text] : {std::pair{&create_, layout::kCreate}, {&load_, layout::kLoad},
                              {&save_, layout::kSave}, {&edit_, layout::kEdit},
                              {&min_, layout::kMin}, {&apply_, layout::kApply}})
    PlaceSkinButton(self, *button, text, set);
  PlaceEndButton(ok_, layout::kOk, kDialogOk);
  PlaceEndButton(cancel_, layout::kCancel, kDialogCancel);
  PlaceEndButton(exit_, layout::kExit, kDialogCancel);

  for (int i = 0; i < kProfileCount; ++i) {
    PlaceSkinButton(self, slots_[i], layout::kSlots[i], set);
    PlaceSkinButton(self, offMarkers_[i], layout::kMarkers[i], set);
    PlaceImageButton(self, onMarkers_[i], layout::kMarkers[i], BRELFX_IDB_MARKER_ON_NORMAL,
                     BRELFX_IDB_MARKER_ON_HOVER, BRELFX_IDB_MARKER_ON_PRESSED,
                     BRELFX_IDB_MARKER_ON_DISABLED, false);
    PlaceSkinButton(self, swatches_[i], layout::kSwatches[i], set);
    PlaceSkinButton(self, names_[i], layout::kSlotNames[i], set);
  }
  const LayoutItem languageItem = ParseLayoutString(layout::kLanguage);
  PlaceImageButton(self, language_, layout::kLanguage, FlagId(kEnglish, 0), FlagId(kEnglish, 1),
                   FlagId(kEnglish, 2), FlagId(kEnglish, 0), false);
  language_.SetTooltip(languageItem.tooltip);

  const RECT help = ToRect(ParseLayoutString(layout::kHelpArea).rect);
  helpArea_.Create(self, help, LoadSkinBitmap(BRELFX_IDB_HELP_AREA));
  progress_.Create(self, help, LoadSkinBitmap(BRELFX_IDB_APPLY_PROGRESS + BRELFX_SKIN_NORMAL),
                   LoadSkinBitmap(BRELFX_IDB_APPLY_PROGRESS + BRELFX_SKIN_PRESSED));
  picture_.Create(self, ToRect(ParseLayoutString(layout::kPicture).rect), false);
  picture_.SetPicture(BRELFX_IDB_PICTURE_AREA);
}

void COptionMainWnd::BuildRemainingPages() {
  const RECT pageRect = ToRect(ParseLayoutString(layout::kPagePosition).rect);
  for (int i = 1; i < kPageCount; ++i) {
    if (pages_[i]) continue;
    if (static_cast<PageId>(i) == PageId::kUpdate) {
      auto update = std::make_unique<CUpdatePage>();
      updatePage_ = update.get();
      pages_[i] = std::move(update);
    } else {
      pages_[i] = MakePage(static_cast<PageId>(i));
    }
    pages_[i]->Create(hwnd(), pageRect);
    model_->AttachPage(static_cast<PageId>(i), *pages_[i]);
  }
  if (updatePage_) updatePage_->SetVersions(versions_);
}

LRESULT COptionMainWnd::OnPaintMain() {
  if (!firstPaintDone_) TraceStartup("first paint begins");
  const LRESULT result = SkinDialog::HandleMessage(WM_PAINT, 0, 0);
  if (!firstPaintDone_) TraceStartup("first paint of the main window done (its controls follow)");
  firstPaintDone_ = true;
  return result;
}

void COptionMainWnd::ShowFirstPicture() {
  TraceStartup("controls painted");
  // Under Wine a window's pixels reach the X server only when its thread
  // waits for messages, and this timer, due long since, would let the pages
  // be built first: a wait of no time hands the first picture over now. On
  // Windows it changes nothing.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
}

std::unique_ptr<CPageWnd> COptionMainWnd::MakePage(PageId id) {
  KeyPageHost& host = *this;
  switch (id) {
    case PageId::kMain: return std::make_unique<CKeyPageWnd>(KeyPageKind::kMain, host);
    case PageId::kZonix: return std::make_unique<CKeyPageWnd>(KeyPageKind::kZonix, host);
    case PageId::kMediaF: return std::make_unique<CKeyPageWnd>(KeyPageKind::kMedia, host);
    case PageId::kAdvanced:
      return std::make_unique<CAdvancedPage>([this] { ResetConfiguration(); });
    default: return std::make_unique<CPageWnd>(UnshapedIdsFrom(BRELFX_IDB_PAGE));
  }
}

// The manager edits a deep copy; only OK makes it the library (and writes the
// file), so the pages' menus offer the new macros from then on.
void COptionMainWnd::OpenMacroManager(bool newMacro, int set, const KeyAssignment* key) {
  MacroManagerModel working(model_->macros());
  CMacroManagerDialog dialog(working, MacroManagerRequest{newMacro, set, key});
  if (dialog.RunModal(hwnd()) != kDialogOk) return;
  model_->CommitMacros(working.TakeLibrary());
}

void COptionMainWnd::ShowMainView(const MainViewState& state) {
  for (int i = 0; i < kProfileCount; ++i) {
    const bool active = i == state.activeSlot;
    slots_[i].SetChecked(active);
    names_[i].SetActive(active);
    names_[i].SetName(state.slotNames[i]);
    ShowWindow(onMarkers_[i].hwnd(), state.windowsProfile[i] ? SW_SHOWNA : SW_HIDE);
    ShowWindow(offMarkers_[i].hwnd(), state.windowsProfile[i] ? SW_HIDE : SW_SHOWNA);
    swatches_[i].SetColor(static_cast<COLORREF>(state.swatchColors[i]));
  }
  ShowLanguageFlag(state.flagIndex);
  picture_.Show(state.pictureVisible);
}

void COptionMainWnd::ShowLanguageFlag(int flagIndex) {
  if (flagIndex == flagIndex_) return;
  flagIndex_ = flagIndex;
  language_.SetOwnImages(LoadSkinBitmap(FlagId(flagIndex, 0)), LoadSkinBitmap(FlagId(flagIndex, 1)),
                         LoadSkinBitmap(FlagId(flagIndex, 2)), LoadSkinBitmap(FlagId(flagIndex, 0)));
}

void COptionMainWnd::ShowVersionTexts(const VersionTexts& versions) {
  versions_ = versions;
  if (updatePage_) updatePage_->SetVersions(versions_);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void COptionMainWnd::ShowHelpTexts(const MainHelpTexts& texts, int quickHelpLan) {
  min_.SetTooltip(texts.min);
  exit_.SetTooltip(texts.exit);
  for (int i = 0; i < kPageCount; ++i) tabs_[i].SetTooltip(texts.tabs[i]);
  create_.SetTooltip(texts.create);
  load_.SetTooltip(texts.load);
  save_.SetTooltip(texts.save);
  edit_.SetTooltip(texts.edit);
  for (int i = 0; i < kProfileCount; ++i) {
    slots_[i].SetTooltip(texts.slotButtons[i]);
    names_[i].SetTooltip(texts.slotNames[i]);
    offMarkers_[i].SetTooltip(texts.offMarkers);
    onMarkers_[i].SetTooltip(texts.onMarkers);
  }
  ok_.SetTooltip(texts.ok);
  apply_.SetTooltip(texts.apply);
  cancel_.SetTooltip(texts.cancel);
  language_.SetTooltip(texts.language);
  helpArea_.SetLanguage(quickHelpLan);
}

void COptionMainWnd::PaintOver(HDC dc, const RECT&) {
  const HGDIOBJ old = SelectObject(dc, versionFont_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  TextOutA(dc, layout::kProgramVersionX, layout::kVersionY, versions_.program.c_str(),
           static_cast<int>(versions_.program.size()));
  TextOutA(dc, layout::kFirmwareVersionX, layout::kVersionY, versions_.firmware.c_str(),
           static_cast<int>(versions_.firmware.size()));
  SelectObject(dc, old);
}

LRESULT COptionMainWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HELP_TEXT: helpArea_.SetText(CurrentHelpText()); return 0;
    case WM_APPLY_PROGRESS:
      progress_.SetProgress(static_cast<long long>(wParam), static_cast<long long>(lParam));
      return 0;
    case WM_PROFILE_COLORS: model_->OnProfileColorsChanged(); return 0;
    case WM_TIMER:
      if (wParam != kBuildPagesTimer) return SkinDialog::HandleMessage(message, wParam, lParam);
      KillTimer(hwnd(), kBuildPagesTimer);
      ShowFirstPicture();
      BuildRemainingPages();
      TraceStartup("remaining pages built");
      return 0;
    case WM_CREATE:
      TraceStartup("window creation");
      return SkinDialog::HandleMessage(message, wParam, lParam);
    case WM_SHOWWINDOW:
      TraceStartup("shown");
      return SkinDialog::HandleMessage(message, wParam, lParam);
    case WM_PAINT: return OnPaintMain();
    case WM_CLOSE: OnMonitorMessage(message); return 0;
    case WM_SETTINGS_RELOADED:
    case WM_PROFILE_SWITCHED:
    case WM_BRIGHTNESS_CHANGED:
    case WM_COUNTERS_CHANGED:
    case WM_DEVICE_LIST_CHANGED: OnMonitorMessage(message); return 0;
    case WM_DESTROY: Close(); return SkinDialog::HandleMessage(message, wParam, lParam);
    default: return SkinDialog::HandleMessage(message, wParam, lParam);
  }
}

void COptionMainWnd::OnMonitorMessage(UINT message) {
  if (gate_.Hold(message)) return;
  if (message == WM_CLOSE) {
    CancelOwnedDialogs(hwnd());
    OnCancel();
    return;
  }
  model_->OnMonitorMessage(message);
}

void COptionMainWnd::OnControlCommand(unsigned, unsigned, HWND control) {
  for (int i = 0; i < kPageCount; ++i)
    if (control == tabs_[i].hwnd()) return SelectTab(i);
  for (int i = 0; i < kProfileCount; ++i) {
    if (control == slots_[i].hwnd()) return model_->SelectSlot(i);
    if (control == offMarkers_[i].hwnd() || control == onMarkers_[i].hwnd())
      return model_->ClickWindowsProfileMarker(i);
  }
  if (control == create_.hwnd()) return EditProfile(true);
  if (control == edit_.hwnd()) return EditProfile(false);
  if (control == load_.hwnd()) return LoadProfile();
  if (control == save_.hwnd()) return SaveProfile();
  if (control == language_.hwnd()) return ChooseLanguage();
  if (control == apply_.hwnd()) {
    Apply();
    return;
  }
  if (control == min_.hwnd()) ShowWindow(hwnd(), SW_MINIMIZE);
}

void COptionMainWnd::SelectTab(int tab) {
  // A click before the other pages are built builds them at once.
  if (!pages_[tab]) BuildRemainingPages();
  if (!model_->SelectTab(static_cast<PageId>(tab))) return;
  for (int i = 0; i < kPageCount; ++i)
    tabs_[i].SetChecked(model_->pages().ImageOf(static_cast<PageId>(i)) == TabImage::kSelected);
}

void COptionMainWnd::EditProfile(bool create) {
  ProfileEditForm form = model_->BeginProfileEdit(create);
  CProfileEditDialog dialog(form);
  if (dialog.RunModal(hwnd()) == kDialogOk) model_->FinishProfileEdit(form);
}

void COptionMainWnd::LoadProfile() {
  const auto path = AskProfileToLoad(hwnd(), programFolder_ + "config\\.tkp");
  if (!path) return;
  helpArea_.SetText(model_->LoadProfile(*path).message);
}

void COptionMainWnd::SaveProfile() {
  const SettingsBlock& block = model_->edited();
  const std::string name = block.Profiles[block.CurrentProfile].ProFileName;
  const auto path = AskProfileToSave(hwnd(), programFolder_ + "config\\" + name + ".tkp");
  if (!path) return;
  helpArea_.SetText(model_->SaveProfile(*path).message);
}

void COptionMainWnd::ChooseLanguage() {
  CPopupList languages(IdsFrom(BRELFX_IDB_LANGUAGE_LIST),
                       std::vector<const char*>(std::begin(layout::kLanguageItems),
                                                std::end(layout::kLanguageItems)));
  RECT button;
  GetWindowRect(language_.hwnd(), &button);
  const int chosen = languages.Run(hwnd(), POINT{button.left, button.top - layout::kLanguageListRise});
  model_->ChooseLanguage(chosen);
}

bool COptionMainWnd::ConfirmWindowsProfile() {
  WindowsProfileQuestion question;
  return question.RunModal(hwnd()) == kDialogOk;
}

void COptionMainWnd::ResetConfiguration() {
  model_->ResetConfiguration();
  // The keyboard restores its own defaults, which the block now holds too.
  Apply(ApplyMode::kRestoreDefaults);
}

bool COptionMainWnd::Apply(ApplyMode mode) {
  gate_.BeginApply();
  model_->Apply(mode);
  bool closing = false;
  for (const unsigned message : gate_.EndApply()) {
    if (message == WM_CLOSE) {
      closing = true;
      continue;
    }
    model_->OnMonitorMessage(message);
  }
  if (closing) EndDialog(kDialogCancel);
  return !closing;
}

void COptionMainWnd::WaitForMonitor(bool waiting) {
  if (waiting) {
    // The window stays responsive but takes no commands until the keyboard is written.
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (child == progress_.hwnd() || !IsWindowEnabled(child)) continue;
      EnableWindow(child, FALSE);
      disabledForApply_.push_back(child);
    }
    ShowWindow(helpArea_.hwnd(), SW_HIDE);
    progress_.Start();
    return;
  }
  progress_.Stop();
  ShowWindow(helpArea_.hwnd(), SW_SHOWNA);
  for (HWND child : disabledForApply_) EnableWindow(child, TRUE);
  disabledForApply_.clear();
}

void COptionMainWnd::OnOk() {
  if (Apply()) EndDialog(kDialogOk);
}

void COptionMainWnd::OnCancel() {
  // Nothing is applied; the edited block goes with the window.
  if (GetCapture() == hwnd()) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    ReleaseCapture();
  }
  EndDialog(kDialogCancel);
}

void COptionMainWnd::Close() {
  model_->Close();
  SetHelpTextWindow(nullptr);
}

void COptionMainWnd::BeginWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
void COptionMainWnd::RestoreWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
void COptionMainWnd::EndWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }

void COptionMainWnd::EnableOkAndApply(bool enabled) {
  for (CSkinButton* button : {&ok_, &apply_}) {
    EnableWindow(button->hwnd(), enabled);
    UpdateWindow(button->hwnd());
  }
}

void COptionMainWnd::ShowMessageBox(const char* text) {
  MessageBoxA(hwnd(), text, kOptionWindowTitle, MB_OK);
}

}  // namespace brelfx
