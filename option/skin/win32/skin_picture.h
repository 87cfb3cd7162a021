// CSkinPicture: a static picture: a bitmap resource of the program (by id)
// or a part of the window's skin, shown or hidden by the page. The picture
// area, help background, key pictures, highlight boxes and trophy pictures.
// It takes no input: clicks fall through to the window below, so the page
// can still be dragged by it.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CSkinPicture : public Window {
 public:
  ~CSkinPicture() override;

  // A child at `rect` of `parent`, visible or not, without a picture yet.
  bool Create(HWND parent, const RECT& rect, bool visible = true);
  // Shows bitmap resource `resourceId` at the top-left corner; false (and
  // an empty picture) when the resource is missing.
  bool SetPicture(int resourceId);
  // Shows the part of a full-window skin picture at the control's place.
  void SetPictureFromSkin(HBITMAP skinImage);
  void Show(bool visible);

  int PictureId() const { return pictureId_; }
  bool IsShown() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnPaint();

  UniqueBitmap picture_;
  RECT rect_{};
  int pictureId_ = 0;
};

}  // namespace brelfx
