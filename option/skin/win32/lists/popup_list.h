// CPopupList: the capture-based popup list (the language selector): a
// skinned popup with one button per item, opened at a screen position. It
// holds the mouse capture while the pointer is over no item, so a left click
// anywhere else ends it with -1; over an item it lets go, so the item's
// button gets hover and click, and a click ends it with that item's index.
// Up/Down/Enter/Escape work too.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "option/skin/skin_rect.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_window.h"

namespace brelfx {

class CPopupList : public SkinWindow {
 public:
  // `items`: the items' layout strings ("L1,3,17,93,13," ...), item i
  // standing for result i.
  CPopupList(const SkinSetIds& skin, std::vector<const char*> items);
  ~CPopupList() override;

  // A caption drawn on item `index` (when the wording is not in the pictures).
  void SetItemCaption(std::size_t index, const std::string& caption);
  // Opens with its top-left corner at `screen` and returns the chosen
  // index, or -1 (a click beside the items, Escape, another window taking
  // over). -2 when the popup could not be created.
  int Run(HWND owner, POINT screen);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnCreate();
  // What a message means for the list; true when it is used up.
  bool Preview(const MSG& message);
  void UpdateCapture(POINT screen);
  void Highlight(int index);
  void End(int result);

  std::vector<const char*> layouts_;
  std::vector<SkinRect> hitBoxes_;
  std::deque<CSkinButton> buttons_;
  std::vector<std::string> captions_;
  SkinSetIds ids_;
  int highlighted_ = -1;
  int result_ = -1;
  bool ended_ = false;
};

}  // namespace brelfx
