#include "option/skin/win32/dialog/message_dialogs.h"

namespace brelfx {

bool CConfirmDialog::OnInitDialog() {
  PlaceEndButton(ok_, layout_.ok, kDialogOk);
  PlaceEndButton(cancel_, layout_.cancel, kDialogCancel);
  PlaceEndButton(exit_, layout_.exit, kDialogCancel);
  return true;
}

bool CNoticeDialog::OnInitDialog() {
  PlaceEndButton(ok_, layout_.ok, kDialogOk);
  PlaceEndButton(exit_, layout_.exit, kDialogCancel);
  return true;
}

}  // namespace brelfx
