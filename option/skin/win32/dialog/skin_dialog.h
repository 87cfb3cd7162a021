// The modal skinned dialog: a frameless window the size and shape of its
// skin pictures (set by resource ids), opened over its owner with the owner
// disabled, dragged by its background, ended with IDOK or IDCANCEL by its end
// buttons, Enter, Escape or WM_CLOSE, and run with the dialog keys (Tab
// order, Enter on the focused button). Every dialog of the option
// application, and its main window, is one of these.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "option/skin/dialog/dialog_keys.h"
#include "option/skin/layout_string.h"
#include "option/skin/win32/dialog/dialog_key_handler.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_window.h"

namespace brelfx {

class SkinDialog : public SkinWindow, protected DialogKeyTarget {
 public:
  explicit SkinDialog(const SkinSetIds& skin);
  ~SkinDialog() override;

  // Opens at this screen position (top-left corner) instead of centred
  // over the owner.
  void SetPosition(POINT screen) { position_ = screen; }

  // Runs the dialog until it ends; returns its end code (kDialogOk,
  // kDialogCancel or what the dialog ended with), -1 when it could not be
  // created. The owner (may be null) is disabled meanwhile.
  int RunModal(HWND owner);
  // Ends the running dialog with `code` once the current message is done.
  void EndDialog(int code);
  bool IsRunning() const { return running_; }
  HWND Owner() const { return owner_; }

 protected:
  // Places the controls; the skin is loaded, the window shaped and sized.
  // Returning false fails the dialog (RunModal gives -1).
  virtual bool OnInitDialog() { return true; }
  // OK (its button, Enter) and Cancel (its button, Escape, WM_CLOSE). A
  // dialog that checks its fields overrides OnOk and ends only when they pass.
  virtual void OnOk() { EndDialog(kDialogOk); }
  virtual void OnCancel() { EndDialog(kDialogCancel); }
  // WM_COMMAND of anything but the end buttons (buttons carry id 0: compare
  // `control` with the member controls' handles).
  virtual void OnControlCommand(unsigned /*id*/, unsigned /*code*/, HWND /*control*/) {}

  // Places a button by the standard sequence whose click ends the dialog
  // like OK (kDialogOk) or Cancel (kDialogCancel).
  LayoutItem PlaceEndButton(CSkinButton& button, const char* layout, int code);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnDialogOk() override { OnOk(); }
  void OnDialogCancel() override { OnCancel(); }
  LRESULT OnCreate();
  LRESULT OnCommand(WPARAM wParam, HWND control);
  void MoveToStartPosition();
  void RunMessageLoop();

  struct EndButton {
    HWND window;
    int code;
  };

  SkinSetIds ids_;
  std::optional<POINT> position_;
  std::vector<EndButton> endButtons_;
  HWND owner_ = nullptr;
  int result_ = kDialogCancel;
  bool running_ = false;
  bool ended_ = false;
};

}  // namespace brelfx
