// "Create Timer": a name and a length for a new countdown timer.
#include "option/app/timers/timer_rules.h"
#include "option/skin/win32/dialog/skin_dialog.h"
#include "option/win32/dialogs/dialog_fields.h"
#include "option/win32/dialogs/key_dialogs.h"
#include "option/win32/option_art_ids.h"

namespace brelfx {
namespace {

constexpr const char kName[] = "EDIT_PROFILE_NAME,116,90,182,15,";
constexpr const char kSeconds[] = "EDIT_SPIN,115,163,45,19,";
constexpr const char kOk[] = "BUTTON_OK,14,310,60,26,";
constexpr const char kCancel[] = "BUTTON_CANCEL,78,310,100,26,";
constexpr const char kExit[] = "BUTTON_Exit,494,3,22,22,";

constexpr SkinSetIds kSkin = DialogSkin(BRELFX_IDB_CREATE_TIMER);

class CCreateTimerDialog final : public SkinDialog {
 public:
  CCreateTimerDialog(const TimerList& timers, std::string& name, int& seconds)
      : SkinDialog(kSkin), timers_(timers), name_(name), seconds_(seconds) {}
  ~CCreateTimerDialog() override { DestroyWindowNow(); }

 protected:
  bool OnInitDialog() override {
    SetWindowTextA(hwnd(), "Create Timer");
    PlaceTextField(hwnd(), nameField_, kName, kTimerNameLimit, name_);
    PlaceSecondsField(hwnd(), secondsField_, kSeconds, skin(), ClampTimerSeconds(seconds_));
    PlaceEndButton(ok_, kOk, kDialogOk);
    PlaceEndButton(cancel_, kCancel, kDialogCancel);
    PlaceEndButton(exit_, kExit, kDialogCancel);
    return true;
  }

  // An empty name, or one the list already has, keeps the dialog open: the
  // name stays in the field to be corrected.
  void OnOk() override {
    const auto accepted = AcceptNewTimerName(timers_, nameField_.Text());
    if (!accepted) {
      SetFocus(nameField_.hwnd());
      return;
    }
    name_ = *accepted;
    seconds_ = SecondsOf(secondsField_);
    EndDialog(kDialogOk);
  }

 private:
  const TimerList& timers_;
  std::string& name_;
  int& seconds_;
  CBitmapEdit nameField_;
  CSpinEdit secondsField_;
  CSkinButton ok_, cancel_, exit_;
};

}  // namespace

bool RunCreateTimerDialog(HWND owner, const TimerList& timers, std::string& name, int& seconds) {
  if (!CanCreateTimer(timers)) return false;  // the menus check too; a 51st is never made
  CCreateTimerDialog dialog(timers, name, seconds);
  return dialog.RunModal(owner) == kDialogOk;
}

}  // namespace brelfx
