// CBitmapEdit: the skinned edit field: its own colours and Arial font, an
// optional numeric filter, and notifications to its parent.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/win32/help_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CBitmapEdit : public Window {
 public:
  // A child EDIT (WS_CHILD and ES_AUTOHSCROLL are always added to `style`).
  bool Create(DWORD style, const RECT& rect, HWND parent, int id);

  void SetColors(COLORREF text, COLORREF background);
  void SetNumeric(bool on) { numeric_ = on; }
  // At most `characters` can be typed or set (0: the system's limit). The
  // callers' fields take 20, 24, 300 or 499.
  void SetTextLimit(std::size_t characters);
  // Up and Down go to the parent as WM_KEYDOWN (a spin field steps with them).
  void SetArrowKeysToParent(bool on) { arrowsToParent_ = on; }
  void AllowSign(bool on) { allowSign_ = on; }
  void SetFontSize(int height, int width);
  void ApplyFont();
  void SetHelpText(const std::string& text) { help_.SetText(text); }

  std::string Text() const;
  // Sets the text as typing would: the parent hears of the change.
  void SetText(const std::string& text);
  // Sets the text without the change notice (values written by the program).
  void SetTextSilently(const std::string& text);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnControlColor(HDC dc);
  void OnTextChanged();

  UniqueFont font_;
  UniqueBrush background_;
  COLORREF textColor_ = 0x242424;
  COLORREF backgroundColor_ = 0xFFFFFF;
  int fontHeight_ = 14;
  int fontWidth_ = 6;
  bool numeric_ = false;
  bool allowSign_ = false;
  bool silent_ = false;  // inside SetTextSilently
  bool arrowsToParent_ = false;
  std::size_t limit_ = 0;
  HoverHelp help_;
};

}  // namespace brelfx
