// The bar that shows how far the monitor has written the keyboard after
// Apply: the empty well and the lit segments come from the skin's pictures.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CApplyProgressBar : public Window {
 public:
  ~CApplyProgressBar() override;
  // Created hidden, with the pictures of the empty and the full bar.
  bool Create(HWND parent, const RECT& rect, UniqueBitmap empty, UniqueBitmap full);
  void Start();
  void SetProgress(long long written, long long planned);
  void Stop();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnPaint();

  UniqueBitmap empty_, full_;
  int width_ = 0;
  int lit_ = 0;
};

}  // namespace brelfx
