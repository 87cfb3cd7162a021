// The gallery's demo dialogs: the toolkit's confirmation and notice on the
// gallery's own pictures. The wording of the application's dialogs lives in
// their pictures; these demos write theirs over the picture instead, in the
// gallery's label style.
#pragma once

#include "option/skin/win32/dialog/message_dialogs.h"
#include "platform/win32/handles.h"

namespace brelfx {

class GalleryConfirm : public CConfirmDialog {
 public:
  GalleryConfirm();

 protected:
  bool OnInitDialog() override;
  void PaintOver(HDC dc, const RECT& client) override;
};

class GalleryNotice : public CNoticeDialog {
 public:
  GalleryNotice();

 protected:
  bool OnInitDialog() override;
  void PaintOver(HDC dc, const RECT& client) override;
};

// Names of the 17 languages of the language list, in list order.
const char* GalleryLanguageName(int index);

}  // namespace brelfx
