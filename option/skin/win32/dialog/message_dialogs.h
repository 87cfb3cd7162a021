// The two dialogs every page asks questions with. Their wording is part of
// their pictures; the caller gives the skin ids and the layout strings of its
// buttons (for example "BUTTON_OK,72,170,56,24,", "BUTTON_CANCEL,136,170,100,24,",
// "BUTTON_EXIT,274,3,26,22,").
#pragma once

#include "option/skin/win32/dialog/skin_dialog.h"

namespace brelfx {

struct ConfirmLayout {
  const char* ok;
  const char* cancel;
  const char* exit;
};

// A yes-or-no question: OK ends with kDialogOk; CANCEL, the close button,
// Escape and WM_CLOSE with kDialogCancel.
class CConfirmDialog : public SkinDialog {
 public:
  CConfirmDialog(const SkinSetIds& skin, const ConfirmLayout& layout)
      : SkinDialog(skin), layout_(layout) {}
  ~CConfirmDialog() override { DestroyWindowNow(); }

 protected:
  bool OnInitDialog() override;
  CSkinButton& OkButton() { return ok_; }
  CSkinButton& CancelButton() { return cancel_; }

 private:
  ConfirmLayout layout_;
  CSkinButton ok_, cancel_, exit_;
};

struct NoticeLayout {
  const char* ok;
  const char* exit;
};

// A notice: OK, the close button, Enter, Escape and WM_CLOSE all close it;
// it ends with kDialogOk for OK and Enter, kDialogCancel otherwise.
class CNoticeDialog : public SkinDialog {
 public:
  CNoticeDialog(const SkinSetIds& skin, const NoticeLayout& layout)
      : SkinDialog(skin), layout_(layout) {}
  ~CNoticeDialog() override { DestroyWindowNow(); }

 protected:
  bool OnInitDialog() override;
  CSkinButton& OkButton() { return ok_; }

 private:
  NoticeLayout layout_;
  CSkinButton ok_, exit_;
};

}  // namespace brelfx
