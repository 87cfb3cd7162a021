#include "option/win32/macro_manager/macro_manager_dialog.h"

#include "option/app/macro_manager/macro_set_menu.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/placement.h"
#include "option/skin/win32/skin_image.h"
#include "option/skin/win32/skin_menu.h"
#include "option/win32/dialogs/dialog_fields.h"
#include "option/win32/macro_manager/macro_manager_questions.h"
#include "option/win32/option_art_ids.h"
#include "settings/text_field.h"
#include "settings/trimmed_name.h"

namespace brelfx {
namespace {

constexpr const char kOk[] = "BUTTON_OK,539,430,56,26,";
constexpr const char kCancel[] = "BUTTON_Cancel,605,430,100,26,";
constexpr const char kExit[] = "BUTTON_Exit,686,4,22,22,";
constexpr const char kSetSelect[] = "BUTTON_combox_macro_select,16,75,196,23,";
constexpr const char kNew[] = "BUTTON_New,15,430,71,26,";
constexpr const char kDelete[] = "BUTTON_Delete,89,431,96,26,";
constexpr const char kSwitchEditor[] = "BUTTON_Switch_editor,219,430,197,25,";
constexpr const char kMacroList[] = "BUTTON_List_MacroName,19,98,189,302,";
constexpr const char kEditorArea[] = "CHILD_POS,215,50,490,365,";

constexpr const char kTitle[] = "Merlo Beta Macro Manager";
constexpr const char kNoSetCaption[] = "CHOOSE A SET";
constexpr int kMacroListId = 4000;
// An empty library asks for a first set once the window shows.
constexpr UINT_PTR kAddSetTimer = 2000;
constexpr UINT kAddSetDelayMs = 100;
// "Create New Macro...": the new row is opened once the window shows.
constexpr UINT kStartNewMacro = WM_APP + 16;
constexpr int kMenuFontHeight = 14;
constexpr int kMenuFontWidth = 5;

RECT RectOf(const char* layout) { return ToRect(ParseLayoutString(layout).rect); }

}  // namespace

CMacroManagerDialog::CMacroManagerDialog(MacroManagerModel& model,
                                         const MacroManagerRequest& request)
    : SkinDialog(DialogSkin(BRELFX_IDB_MACRO_MANAGER)),
      model_(model),
      request_(request),
      pane_(*this) {
  // Only a key that holds a macro marks its set in the set menu.
  if (request.key && request.key->FunctionCode == kFnMacro)
    keySetName_ = TextField(request.key->MacroSetName);
}

CMacroManagerDialog::~CMacroManagerDialog() {
  pane_.StopRecording();
  DestroyWindowNow();
}

bool CMacroManagerDialog::OnInitDialog() {
  SetWindowTextA(hwnd(), kTitle);
  menuFont_ = CreateSkinFont("Arial", kMenuFontHeight, kMenuFontWidth);
  PlaceSkinButton(hwnd(), setSelect_, kSetSelect, skin());
  PlaceSkinButton(hwnd(), new_, kNew, skin());
  PlaceSkinButton(hwnd(), delete_, kDelete, skin());
  PlaceSkinButton(hwnd(), switch_, kSwitchEditor, skin());
  PlaceEndButton(ok_, kOk, kDialogOk);
  PlaceEndButton(cancel_, kCancel, kDialogCancel);
  PlaceEndButton(exit_, kExit, kDialogCancel);
  if (!list_.Create(hwnd(), RectOf(kMacroList), kMacroListId)) return false;
  if (!pane_.Create(hwnd(), RectOf(kEditorArea))) return false;

  const MacroManagerOpening opening =
      ChooseMacroManagerOpening(model_.library(), request_.key, request_.set);
  model_.SelectSet(opening.set);
  model_.SelectMacro(opening.macro);
  ShowSelection();
  if (opening.askForSetFirst)
    SetTimer(hwnd(), kAddSetTimer, kAddSetDelayMs, nullptr);
  else if (request_.newMacro)
    PostMessageA(hwnd(), kStartNewMacro, 0, 0);
  return true;
}

void CMacroManagerDialog::OnOk() {
  list_.RowEdit().Finish(InPlaceEditEnd::kEscape);
  pane_.Commit();
  EndDialog(kDialogOk);
}

void CMacroManagerDialog::OnCancel() {
  pane_.StopRecording();
  EndDialog(kDialogCancel);
}

LRESULT CMacroManagerDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kAddSetTimer) return SkinDialog::HandleMessage(message, wParam, lParam);
      OnAddSetTimer();
      return 0;
    case kStartNewMacro: NewMacro(); return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kAddSetTimer);
      pane_.StopRecording();
      return SkinDialog::HandleMessage(message, wParam, lParam);
    default: return SkinDialog::HandleMessage(message, wParam, lParam);
  }
}

void CMacroManagerDialog::OnControlCommand(unsigned id, unsigned code, HWND control) {
  if (!control) return OnSetMenuCommand(id);
  if (control == setSelect_.hwnd()) return OpenSetMenu();
  if (control == new_.hwnd()) return NewMacro();
  if (control == delete_.hwnd()) return DeleteMacro();
  if (control == switch_.hwnd()) return SwitchEditor();
  if (control == list_.hwnd() && code == LBN_SELCHANGE && !list_.RowEdit().IsOpen()) {
    model_.SelectMacro(list_.Selected());
    pane_.ShowMacro(model_.SelectedMacroRecord(), model_.selectedSet() >= 0);
  }
}

void CMacroManagerDialog::OnAddSetTimer() {
  KillTimer(hwnd(), kAddSetTimer);
  AddSet();
  if (request_.newMacro && model_.selectedSet() >= 0) NewMacro();
}

void CMacroManagerDialog::OpenSetMenu() {
  CSkinMenu menu(menuFont_.get());
  menu.SetMinWidth(macro_set_menu::kMinWidth);
  for (const MenuEntry& entry : macro_set_menu::Build(model_.library(), keySetName_)) {
    if (entry.kind == MenuEntry::Kind::kSeparator)
      menu.AppendSeparator();
    else
      menu.AppendItem(entry.id, entry.text, nullptr, entry.highlight);
  }
  TrackDropDownMenu(menu, setSelect_, hwnd(), setMenuGuard_);
}

void CMacroManagerDialog::OnSetMenuCommand(unsigned id) {
  if (id == macro_set_menu::kAddSet) return AddSet();
  if (id == macro_set_menu::kDeleteSet) return DeleteSet();
  if (const auto set = macro_set_menu::SetOfCommand(id, model_.library()))
    ChangeLibrary([&] { model_.SelectSet(*set); });
}

void CMacroManagerDialog::AddSet() {
  const auto name = AskMacroSetName(hwnd());
  if (!name) return;
  // A name the library has, or a 101st set, is refused without a word.
  ChangeLibrary([&] { model_.AddSet(*name); });
}

void CMacroManagerDialog::DeleteSet() {
  if (model_.selectedSet() < 0) return ShowMacroManagerNotice(hwnd(), MacroManagerNotice::kNoSetChosen);
  if (!ConfirmMacroDeletion(hwnd(), MacroDeletion::kSet)) return;
  ChangeLibrary([&] { model_.DeleteSelectedSet(); });
}

void CMacroManagerDialog::NewMacro() {
  switch (model_.CheckNewMacro()) {
    case NewMacroCheck::kNoSet: return ShowMacroManagerNotice(hwnd(), MacroManagerNotice::kNoSetChosen);
    case NewMacroCheck::kListFull: return;  // a 101st macro is refused silently
    case NewMacroCheck::kAllowed: break;
  }
  if (list_.RowEdit().IsOpen()) return;
  const int row = list_.AddRow("");
  list_.Select(row);
  list_.EditRow(row, kMacroNameLimit, [this, row](std::optional<std::string> text) {
    // Escape, an empty name or one the set has leaves no row behind.
    list_.RemoveRow(row);
    if (text) ChangeLibrary([&] { model_.AddMacro(*text); });
    else ShowSelection();
  });
}

void CMacroManagerDialog::DeleteMacro() {
  if (!model_.SelectedMacroRecord())
    return ShowMacroManagerNotice(hwnd(), MacroManagerNotice::kNoMacroToDelete);
  if (!ConfirmMacroDeletion(hwnd(), MacroDeletion::kMacro)) return;
  ChangeLibrary([&] { model_.DeleteSelectedMacro(); });
}

void CMacroManagerDialog::SwitchEditor() {
  pane_.SwitchView();
  if (pane_.TimelineShown()) {
    switch_.SetOwnImages(LoadSkinBitmap(BRELFX_IDB_MACRO_SWITCH + BRELFX_SKIN_NORMAL),
                         LoadSkinBitmap(BRELFX_IDB_MACRO_SWITCH + BRELFX_SKIN_HOVER),
                         LoadSkinBitmap(BRELFX_IDB_MACRO_SWITCH + BRELFX_SKIN_PRESSED),
                         LoadSkinBitmap(BRELFX_IDB_MACRO_SWITCH + BRELFX_SKIN_EXTRA));
  } else {
    switch_.SetSkinParts(RectOf(kSwitchEditor), skin());
  }
}

template <typename Change>
void CMacroManagerDialog::ChangeLibrary(Change change) {
  pane_.ShowMacro(nullptr, model_.selectedSet() >= 0);
  change();
  ShowSelection();
}

void CMacroManagerDialog::ShowSelection() {
  const int set = model_.selectedSet();
  setSelect_.SetCaption(set >= 0 ? TrimmedName(model_.library()[set].name) : kNoSetCaption);
  list_.Clear();
  for (const std::string& name : model_.MacroNames()) list_.AddRow(name);
  list_.Select(model_.selectedMacro());
  pane_.ShowMacro(model_.SelectedMacroRecord(), set >= 0);
}

void CMacroManagerDialog::MacroEdited() { model_.MarkSelectedSetModified(); }

void CMacroManagerDialog::RecordingChanged(bool recording) {
  for (CSkinButton* button : {&setSelect_, &new_, &delete_, &switch_, &ok_, &cancel_, &exit_})
    EnableWindow(button->hwnd(), !recording);
  EnableWindow(list_.hwnd(), !recording);
}

void CMacroManagerDialog::ShowNotice(MacroNotice notice) {
  ShowMacroManagerNotice(hwnd(), notice == MacroNotice::kNoSetSelected
                                     ? MacroManagerNotice::kNoSetChosen
                                     : MacroManagerNotice::kNoMacroSelected);
}

}  // namespace brelfx
