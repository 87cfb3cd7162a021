// "Quicklaunch": the program a key starts.
#include "option/skin/win32/dialog/skin_dialog.h"
#include "option/skin/win32/placement.h"
#include "option/win32/dialogs/dialog_fields.h"
#include "option/win32/dialogs/key_dialogs.h"
#include "option/win32/file_dialogs.h"
#include "option/win32/option_art_ids.h"
#include "settings/settings_block.h"

namespace brelfx {
namespace {

constexpr const char kPath[] = "Gaming path to executeable,27,88,227,15,";
constexpr const char kBrowse[] = "browser1,256,86,24,20,";
constexpr const char kOk[] = "BUTTON_OK,72,200,56,24,";
constexpr const char kCancel[] = "BUTTON_CANCEL,136,200,100,24,";
constexpr const char kExit[] = "BUTTON_EXIT,274,3,26,22,";

// The key's launch path field holds 259 characters and its final zero.
constexpr std::size_t kPathLimit = sizeof(KeyAssignment::LaunchPath) - 1;

class CQuickLaunchDialog final : public SkinDialog {
 public:
  explicit CQuickLaunchDialog(std::string& path)
      : SkinDialog(DialogSkin(BRELFX_IDB_QUICK_LAUNCH)), path_(path) {}
  ~CQuickLaunchDialog() override { DestroyWindowNow(); }

 protected:
  bool OnInitDialog() override {
    SetWindowTextA(hwnd(), "Quicklaunch");
    PlaceTextField(hwnd(), pathField_, kPath, kPathLimit, path_);
    PlaceSkinButton(hwnd(), browse_, kBrowse, skin());
    PlaceEndButton(ok_, kOk, kDialogOk);
    PlaceEndButton(cancel_, kCancel, kDialogCancel);
    PlaceEndButton(exit_, kExit, kDialogCancel);
    return true;
  }

  void OnOk() override {
    path_ = pathField_.Text();
    EndDialog(kDialogOk);
  }

  void OnControlCommand(unsigned, unsigned, HWND control) override {
    if (control != browse_.hwnd()) return;
    if (const auto program = AskProgram(hwnd(), pathField_.Text())) pathField_.SetText(*program);
  }

 private:
  std::string& path_;
  CBitmapEdit pathField_;
  CSkinButton browse_, ok_, cancel_, exit_;
};

}  // namespace

bool RunQuickLaunchDialog(HWND owner, std::string& path) {
  CQuickLaunchDialog dialog(path);
  return dialog.RunModal(owner) == kDialogOk;
}

}  // namespace brelfx
