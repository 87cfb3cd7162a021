// "Edit/Delete Timer": choose a timer, rename it, change its length or
// delete it.
#include <array>

#include "option/app/timers/timer_editor.h"
#include "option/app/timers/timer_rules.h"
#include "option/skin/win32/dialog/message_dialogs.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/placement.h"
#include "option/skin/win32/skin_menu.h"
#include "option/win32/dialogs/dialog_fields.h"
#include "option/win32/dialogs/key_dialogs.h"
#include "option/win32/option_art_ids.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

constexpr const char kChooser[] = "LIST_TIMER,115,86,186,20,";
constexpr const char kName[] = "EDIT_PROFILE_NAME,116,140,182,15,";
constexpr const char kSeconds[] = "EDIT_SPIN,115,193,45,19,";
constexpr const char kSave[] = "BUTTON_SAVE,226,190,114,24,";
constexpr const char kDelete[] = "BUTTON_DELETE,350,190,124,24,";
constexpr const char kOk[] = "BUTTON_OK,14,310,60,26,";
constexpr const char kCancel[] = "BUTTON_CANCEL,78,310,100,26,";
constexpr const char kExit[] = "BUTTON_Exit,494,3,22,22,";

constexpr ConfirmLayout kDeleteLayout{"OK,72,160,55,28,", "BUTTON_CANCEL,136,160,100,28,",
                                      "BUTTON_EXIT,275,3,22,22,"};

// Chooser entries: command id = base + position in the list.
constexpr unsigned kFirstTimerCommand = 100;
constexpr int kChooserFontHeight = 15;

class CTimerEditorDialog final : public SkinDialog {
 public:
  CTimerEditorDialog(TimerList& timers, int firstIndex)
      : SkinDialog(DialogSkin(BRELFX_IDB_TIMER_EDITOR)), editor_(timers, firstIndex), timers_(timers) {}
  ~CTimerEditorDialog() override { DestroyWindowNow(); }

 protected:
  bool OnInitDialog() override {
    SetWindowTextA(hwnd(), "Edit Timer");
    menuFont_ = CreateSkinFont("Arial", kChooserFontHeight);
    PlaceSkinButton(hwnd(), chooser_, kChooser, skin());
    PlaceTextField(hwnd(), nameField_, kName, kTimerNameLimit, "");
    PlaceSecondsField(hwnd(), secondsField_, kSeconds, skin(), 0);
    PlaceSkinButton(hwnd(), save_, kSave, skin());
    PlaceSkinButton(hwnd(), delete_, kDelete, skin());
    PlaceEndButton(ok_, kOk, kDialogOk);
    PlaceEndButton(cancel_, kCancel, kDialogCancel);
    PlaceEndButton(exit_, kExit, kDialogCancel);
    ShowCurrent();
    return true;
  }

  void OnOk() override {
    Save();
    EndDialog(kDialogOk);
  }

  void OnControlCommand(unsigned id, unsigned, HWND control) override {
    if (control == chooser_.hwnd()) return OpenChooser();
    if (control == save_.hwnd()) return Save();
    if (control == delete_.hwnd()) return Delete();
    if (!control && id >= kFirstTimerCommand) {
      editor_.Choose(static_cast<int>(id - kFirstTimerCommand));
      ShowCurrent();
    }
  }

 private:
  void ShowCurrent() {
    const TimerEditor::Shown shown = editor_.Displayed();
    chooser_.SetCaption(shown.name);
    nameField_.SetTextSilently(shown.name);
    secondsField_.SetValue(shown.seconds);
  }

  void OpenChooser() {
    CSkinMenu menu(menuFont_.get());
    menu.SetMinWidth(ParseLayoutString(kChooser).rect.Width());
    for (std::size_t i = 0; i < timers_.size(); ++i)
      menu.AppendItem(kFirstTimerCommand + static_cast<unsigned>(i), TextField(timers_[i].name),
                      nullptr, static_cast<int>(i) == editor_.current());
    TrackDropDownMenu(menu, chooser_, hwnd(), chooserGuard_);
  }

  void Save() {
    if (editor_.Save(nameField_.Text(), SecondsOf(secondsField_))) ShowCurrent();
  }

  void Delete() {
    if (!editor_.HasCurrent()) return;
    CConfirmDialog confirm(DialogSkin(BRELFX_IDB_DELETE_TIMER), kDeleteLayout);
    if (confirm.RunModal(hwnd()) != kDialogOk) return;
    editor_.DeleteCurrent();
    ShowCurrent();
  }

  TimerEditor editor_;
  const TimerList& timers_;
  UniqueFont menuFont_;
  DropDownGuard chooserGuard_;
  CSkinButton chooser_;
  CBitmapEdit nameField_;
  CSpinEdit secondsField_;
  CSkinButton save_, delete_, ok_, cancel_, exit_;
};

}  // namespace

bool RunTimerEditorDialog(HWND owner, TimerList& timers, int firstIndex) {
  // The editor works on a copy: CANCEL leaves the caller's list as it was,
  // so the list in memory never differs from the timer file the caller
  // writes only after OK.
  TimerList edited = timers;
  CTimerEditorDialog dialog(edited, firstIndex);
  if (dialog.RunModal(owner) != kDialogOk) return false;
  timers = std::move(edited);
  return true;
}

}  // namespace brelfx
