#include "option/win32/profile_edit_dialog.h"

#include "option/skin/win32/placement.h"
#include "option/win32/dialogs/dialog_fields.h"
#include "option/win32/file_dialogs.h"
#include "option/win32/option_art_ids.h"

namespace brelfx {
namespace {

constexpr const char kName[] = "EDIT_PROFILE_NAME,120,78,182,15,";
constexpr const char* kPaths[kGamePathCount] = {"EDIT_PATH_TOEXECUTEABLE,35,137,265,15,",
                                                "EDIT_PATH_TOEXECUTEABLE,35,157,265,15,",
                                                "EDIT_PATH_TOEXECUTEABLE,35,177,265,15,"};
constexpr const char* kBrowse[kGamePathCount] = {"BUTTON_BROWER,304,136,23,17,",
                                                 "BUTTON_BROWER,304,156,23,17,",
                                                 "BUTTON_BROWER,304,176,23,17,"};
constexpr const char kOk[] = "BUTTON_OK,14,310,60,26,";
constexpr const char kCancel[] = "BUTTON_CANCEL,78,310,100,26,";
constexpr const char kExit[] = "BUTTON_Exit,494,3,22,22,";

constexpr SkinSetIds kSkin = DialogSkin(BRELFX_IDB_PROFILE_EDIT);

}  // namespace

CProfileEditDialog::CProfileEditDialog(ProfileEditForm& form) : SkinDialog(kSkin), form_(form) {}

bool CProfileEditDialog::OnInitDialog() {
  SetWindowTextA(hwnd(), "Profile");
  PlaceTextField(hwnd(), name_, kName, kProfileNameLimit, form_.name());
  for (int i = 0; i < kGamePathCount; ++i) {
    PlaceTextField(hwnd(), paths_[i], kPaths[i], kGamePathLimit, form_.gamePath(i));
    PlaceSkinButton(hwnd(), browse_[i], kBrowse[i], skin());
  }
  PlaceEndButton(ok_, kOk, kDialogOk);
  PlaceEndButton(cancel_, kCancel, kDialogCancel);
  PlaceEndButton(exit_, kExit, kDialogCancel);
  return true;
}

void CProfileEditDialog::OnOk() {
  form_.SetName(name_.Text());
  for (int i = 0; i < kGamePathCount; ++i) form_.SetGamePath(i, paths_[i].Text());
  EndDialog(kDialogOk);
}

void CProfileEditDialog::OnControlCommand(unsigned, unsigned, HWND control) {
  for (int i = 0; i < kGamePathCount; ++i) {
    if (control != browse_[i].hwnd()) continue;
    if (const auto program = AskProgram(hwnd(), paths_[i].Text())) paths_[i].SetText(*program);
  }
}

}  // namespace brelfx
