// The help area under the pages: the quick help of the control under the
// mouse on one line, grey on the window's background, in the font the
// language needs.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CHelpArea : public Window {
 public:
  ~CHelpArea() override;
  bool Create(HWND parent, const RECT& rect, UniqueBitmap background);
  void SetLanguage(int quickHelpLan);
  void SetText(const std::string& utf8);
  const std::string& Text() const { return text_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnPaint();

  UniqueBitmap background_;
  UniqueFont font_;
  std::string text_;
};

}  // namespace brelfx
