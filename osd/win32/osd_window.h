// COsdWnd: the display itself, titled "Tarvek Brel FX Keyboard OSD". A small
// topmost, translucent window that lets the mouse through: it appears for
// two seconds when the monitor tells it the profile or the brightness
// changed, and takes its corner and opacity from message 1326.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "option/skin/win32/skin_image.h"
#include "osd/osd_look.h"
#include "osd/osd_notice.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class COsdWnd final : public Window {
 public:
  // `look`: from config.ini until the monitor passes new values.
  bool Create(const OsdLook& look);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnChange(UINT message);
  LRESULT OnDisplayValues(LPARAM packed);
  LRESULT OnTimer();
  LRESULT OnPaint();
  LRESULT OnDestroy();
  void Show(const OsdNotice& notice);
  void Place();
  void DrawProfile(HDC dc) const;
  void DrawBrightness(HDC dc) const;

  OsdLook look_;
  std::optional<OsdNotice> notice_;
  SkinSet profileArt_;
  SkinSet brightnessArt_;
  UniqueFont numberFont_;
  UniqueFont nameFont_;
  UniqueFont stepFont_;
};

}  // namespace brelfx
