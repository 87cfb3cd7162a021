// The skin gallery: one shaped, draggable window with one of each skinned
// control, which lists the owner messages it receives (and, with --trace,
// appends them to a file for the end-to-end test).
#pragma once

#include <cstdio>
#include <deque>
#include <string>

#include "option/skin/drop_down_guard.h"
#include "option/skin/win32/animation/animated_picture.h"
#include "option/skin/win32/bitmap_edit.h"
#include "option/skin/win32/color_picker_wnd.h"
#include "option/skin/win32/color_swatch_button.h"
#include "option/skin/win32/gallery/gallery_layout.h"
#include "option/skin/win32/lists/skin_list.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_picture.h"
#include "option/skin/win32/skin_window.h"
#include "option/skin/win32/slider.h"
#include "option/skin/win32/spin_edit.h"

namespace brelfx {

class CSkinGalleryWnd : public SkinWindow {
 public:
  explicit CSkinGalleryWnd(std::FILE* trace);
  ~CSkinGalleryWnd() override;

  bool Create();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintOver(HDC dc, const RECT& client) override;

 private:
  LRESULT OnCreate();
  LRESULT OnCommand(unsigned id, HWND control);
  void OnMenuChoice(unsigned id);
  void OpenEffectMenu();
  void ChooseSwatch(int index);
  void PlaceListsAndDialogs();
  void PlaceAnimations();
  LRESULT OnContextMenu(HWND control, LPARAM position);
  void RenameRow(int row);
  void AddRow();
  void OpenConfirm();
  void OpenNotice();
  void OpenLanguageList();
  void Record(const std::string& line, bool show);

  CSkinButton close_, push_, disabled_, lighting_, breathing_, effect_;
  CColorSwatchButton swatches_[3];
  CColorSwatchButton picked_;
  CBitmapEdit textEdit_, signedEdit_;
  CclickHSlider slider_;
  CSpinEdit spin_;
  CColorPickerWnd picker_;
  CSkinList list_;
  CSkinButton rename_, add_, confirm_, notice_, language_, showPicture_, litPicture_;
  CSkinPicture picture_;
  CAnimatedPicture animations_[gallery::kAnimationCount];
  CSkinButton play_;
  DropDownGuard effectGuard_;
  unsigned effectChoice_ = 0;
  unsigned speedChoice_ = 0;
  std::deque<std::string> events_;
  std::FILE* trace_;
  UniqueFont titleFont_;
  UniqueFont labelFont_;
  UniqueFont menuFont_;
};

}  // namespace brelfx
