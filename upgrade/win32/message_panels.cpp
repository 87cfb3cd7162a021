#include "upgrade/win32/message_panels.h"

#include "option/skin/win32/dialog/message_dialogs.h"
#include "upgrade/win32/upgrade_art_ids.h"

namespace brelfx {
namespace {

// The buttons take the size of their pictures: OK 56 x 25, CANCEL 95 x 25,
// close 22 x 21.
constexpr const char* kSingleOk = "BUTTON_OK,125,171,56,25,";
constexpr const char* kPairedOk = "BUTTON_OK,74,171,56,25,";
constexpr const char* kCancel = "BUTTON_CANCEL,138,171,95,25,";
constexpr const char* kClose = "BUTTON_EXIT,276,4,22,21,";

SkinSetIds PanelSkin(int base) {
  return SkinSetIds{base + BRELFX_UPGRADE_SHAPE, base + BRELFX_UPGRADE_NORMAL,
                    base + BRELFX_UPGRADE_HOVER, base + BRELFX_UPGRADE_PRESSED,
                    base + BRELFX_UPGRADE_NORMAL};  // the fourth picture equals the normal one
}

struct PanelInfo {
  int skinBase;
  const char* title;  // window text, for the task list and for tests
};

PanelInfo InfoOf(UpgradePanel panel) {
  switch (panel) {
    case UpgradePanel::kDriverUpdate:
      return {BRELFX_IDB_DRIVER_UPDATE, "Driver update"};
    case UpgradePanel::kQuestion:
      return {BRELFX_IDB_UPGRADE_QUESTION, "Firmware update"};
    case UpgradePanel::kSuccess:
      return {BRELFX_IDB_UPGRADE_SUCCESS, "Firmware upgrade success"};
    case UpgradePanel::kFailure:
      return {BRELFX_IDB_UPGRADE_FAILURE, "Firmware upgrade failed"};
    case UpgradePanel::kTooLarge:
      break;
  }
  return {BRELFX_IDB_UPGRADE_TOO_LARGE, "Firmware upgrade failed"};
}

template <typename Base>
class TitledPanel final : public Base {
 public:
  template <typename Layout>
  TitledPanel(const PanelInfo& info, const Layout& layout)
      : Base(PanelSkin(info.skinBase), layout), title_(info.title) {}

 protected:
  bool OnInitDialog() override {
    SetWindowTextA(this->hwnd(), title_);
    return Base::OnInitDialog();
  }

 private:
  const char* title_;
};

}  // namespace

int ShowUpgradePanel(UpgradePanel panel, HWND owner) {
  const PanelInfo info = InfoOf(panel);
  if (panel == UpgradePanel::kQuestion) {
    TitledPanel<CConfirmDialog> question(info, ConfirmLayout{kPairedOk, kCancel, kClose});
    return question.RunModal(owner) == kDialogOk ? IDOK : IDCANCEL;
  }
  TitledPanel<CNoticeDialog> notice(info, NoticeLayout{kSingleOk, kClose});
  return notice.RunModal(owner) == kDialogOk ? IDOK : IDCANCEL;
}

}  // namespace brelfx
