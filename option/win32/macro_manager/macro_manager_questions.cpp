#include "option/win32/macro_manager/macro_manager_questions.h"

#include "option/app/macro_manager/macro_manager_model.h"
#include "option/skin/win32/dialog/message_dialogs.h"
#include "option/win32/dialogs/dialog_fields.h"
#include "option/win32/option_art_ids.h"
#include "settings/trimmed_name.h"

namespace brelfx {
namespace {

constexpr const char kName[] = "EDIT_MACRO_SET_NAME,58,100,186,18,";
constexpr const char kOk[] = "BUTTON_OK,72,170,56,24,";
constexpr const char kCancel[] = "BUTTON_CANCEL,136,170,100,24,";
constexpr const char kExit[] = "BUTTON_EXIT,274,3,26,22,";

class CMacroSetNameDialog final : public SkinDialog {
 public:
  CMacroSetNameDialog() : SkinDialog(DialogSkin(BRELFX_IDB_MACRO_SET_NAME)) {}
  ~CMacroSetNameDialog() override { DestroyWindowNow(); }

  const std::string& name() const { return name_; }

 protected:
  bool OnInitDialog() override {
    SetWindowTextA(hwnd(), "Create Macro Set");
    PlaceTextField(hwnd(), field_, kName, kMacroNameLimit, "");
    PlaceEndButton(ok_, kOk, kDialogOk);
    PlaceEndButton(cancel_, kCancel, kDialogCancel);
    PlaceEndButton(exit_, kExit, kDialogCancel);
    SetFocus(field_.hwnd());
    return true;
  }

  void OnOk() override {
    name_ = TrimmedName(field_.Text());
    if (name_.empty()) {
      SetFocus(field_.hwnd());
      return;
    }
    EndDialog(kDialogOk);
  }

 private:
  std::string name_;
  CBitmapEdit field_;
  CSkinButton ok_, cancel_, exit_;
};

}  // namespace

std::optional<std::string> AskMacroSetName(HWND owner) {
  CMacroSetNameDialog dialog;
  if (dialog.RunModal(owner) != kDialogOk) return std::nullopt;
  return dialog.name();
}

bool ConfirmMacroDeletion(HWND owner, MacroDeletion what) {
  CConfirmDialog question(DialogSkin(what == MacroDeletion::kSet ? BRELFX_IDB_DELETE_MACRO_SET
                                                                  : BRELFX_IDB_DELETE_MACRO),
                          ConfirmLayout{kOk, kCancel, kExit});
  return question.RunModal(owner) == kDialogOk;
}

void ShowMacroManagerNotice(HWND owner, MacroManagerNotice notice) {
  const int skin = notice == MacroManagerNotice::kNoSetChosen       ? BRELFX_IDB_NO_MACRO_SET
                   : notice == MacroManagerNotice::kNoMacroSelected ? BRELFX_IDB_NO_MACRO
                                                                    : BRELFX_IDB_SELECT_MACRO;
  CNoticeDialog dialog(DialogSkin(skin), NoticeLayout{kOk, kExit});
  dialog.RunModal(owner);
}

}  // namespace brelfx
