// "Assign a Shortcut": one key, captured from the keyboard, and the modifier
// toggles None, Shift, Ctrl, Win, Alt.
#include <array>

#include "option/app/shortcut/shortcut_form.h"
#include "option/skin/win32/dialog/skin_dialog.h"
#include "option/skin/win32/placement.h"
#include "option/win32/dialogs/dialog_fields.h"
#include "option/win32/dialogs/key_dialogs.h"
#include "option/win32/dialogs/keyboard_capture.h"
#include "option/win32/option_art_ids.h"
#include "platform/win32/current_keyboard_layout.h"
#include "settings/key_names.h"

namespace brelfx {
namespace {

constexpr const char kKey[] = "EDIT_MACRO_SET_NAME,295,102,77,18,";
constexpr int kToggleCount = 5;
// In the order of ShortcutToggle.
constexpr const char* kToggles[kToggleCount] = {"None,20,102,55,18,", "Shift,80,102,50,18,",
                                                "Ctrl,134,102,46,18,", "Win,183,102,46,18,",
                                                "Alt,234,102,36,18,"};
constexpr const char kOk[] = "BUTTON_OK,14,162,60,30,";
constexpr const char kCancel[] = "BUTTON_CANCEL,78,162,100,30,";
constexpr const char kExit[] = "BUTTON_EXIT,430,4,25,22,";

constexpr COLORREF kKeyText = RGB(255, 255, 255);
constexpr COLORREF kKeyBackground = RGB(11, 11, 11);

ShortcutFlags FlagsOf(const ShortcutChoice& choice) {
  return ShortcutFlags{choice.none, choice.shift, choice.ctrl, choice.alt, choice.win};
}

class CShortcutDialog final : public SkinDialog {
 public:
  explicit CShortcutDialog(ShortcutChoice& choice)
      : SkinDialog(DialogSkin(BRELFX_IDB_SHORTCUT)),
        choice_(choice),
        form_(choice.usage, FlagsOf(choice)) {}
  ~CShortcutDialog() override { DestroyWindowNow(); }

 protected:
  bool OnInitDialog() override {
    SetWindowTextA(hwnd(), "Pelko Key Shortcut Dialog");
    // Shows the key only: keys reach the dialog through the capture, never
    // as typing into the field. Read-only rather than disabled, so the name
    // stays white (a disabled edit greys its text) and no Tab lands there.
    keyField_.Create(WS_VISIBLE | ES_READONLY | ES_CENTER, ToRect(ParseLayoutString(kKey).rect),
                     hwnd(), 0);
    keyField_.SetColors(kKeyText, kKeyBackground);
    for (int i = 0; i < kToggleCount; ++i)
      PlaceSkinButton(hwnd(), toggles_[i], kToggles[i], skin(), true);
    PlaceEndButton(ok_, kOk, kDialogOk);
    PlaceEndButton(cancel_, kCancel, kDialogCancel);
    PlaceEndButton(exit_, kExit, kDialogCancel);
    ShowKey();
    ShowToggles();
    capture_.Start(hwnd());
    return true;
  }

  void OnOk() override {
    capture_.Stop();
    const ShortcutFlags& flags = form_.flags();
    choice_.usage = form_.usage();
    choice_.none = flags.none;
    choice_.shift = flags.shift;
    choice_.ctrl = flags.ctrl;
    choice_.alt = flags.alt;
    choice_.win = flags.win;
    choice_.keyText = keyField_.Text();
    EndDialog(kDialogOk);
  }

  void OnCancel() override {
    capture_.Stop();
    EndDialog(kDialogCancel);
  }

  void OnControlCommand(unsigned, unsigned, HWND control) override {
    for (int i = 0; i < kToggleCount; ++i) {
      if (control != toggles_[i].hwnd()) continue;
      form_.Flip(static_cast<ShortcutToggle>(i));
      ShowToggles();
    }
  }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CAPTURED_KEY:
        return OnCapturedKey(static_cast<unsigned>(wParam), lParam);
      case WM_DESTROY:
        capture_.Stop();  // however the dialog goes, the keyboard is freed
        return SkinDialog::HandleMessage(message, wParam, lParam);
      default:
        return SkinDialog::HandleMessage(message, wParam, lParam);
    }
  }

 private:
  LRESULT OnCapturedKey(unsigned vk, LPARAM info) {
    if (form_.OnKey(vk, CapturedKeyScanCode(info), CapturedKeyReleased(info),
                    CurrentKeyboardLayout())) {
      ShowKey();
      ShowToggles();
    }
    return 0;
  }

  void ShowKey() {
    keyField_.SetTextSilently(KeyNameOfUsage(form_.usage(), CurrentKeyboardLayout()));
  }

  // None pressed disables the other four; their flags stay as they are.
  void ShowToggles() {
    for (int i = 0; i < kToggleCount; ++i) {
      const auto toggle = static_cast<ShortcutToggle>(i);
      toggles_[i].SetChecked(form_.IsOn(toggle));
      EnableWindow(toggles_[i].hwnd(), form_.IsEnabled(toggle));
    }
  }

  ShortcutChoice& choice_;
  ShortcutForm form_;
  KeyboardCapture capture_;
  CBitmapEdit keyField_;
  std::array<CSkinButton, kToggleCount> toggles_;
  CSkinButton ok_, cancel_, exit_;
};

}  // namespace

bool RunShortcutDialog(HWND owner, ShortcutChoice& choice) {
  CShortcutDialog dialog(choice);
  return dialog.RunModal(owner) == kDialogOk;
}

}  // namespace brelfx
