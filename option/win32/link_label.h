// A clickable web address: underlined text with the hand cursor that opens
// the address in the default browser.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CLinkLabel : public Window {
 public:
  ~CLinkLabel() override;
  bool Create(HWND parent, const RECT& rect, HBITMAP background);
  void SetAddress(const std::string& address);
  const std::string& Address() const { return address_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnPaint();
  void Open() const;

  UniqueBitmap background_;
  UniqueFont font_;
  std::string address_;
};

}  // namespace brelfx
