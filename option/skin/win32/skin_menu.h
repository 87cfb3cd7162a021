// CSkinMenu: the owner-drawn popup menu of every drop-down and function
// menu: black items, white text, a blue selection bar, highlighted current
// choice, an optional "TM" mark and a skinned submenu arrow.
#pragma once

#include <windows.h>

#include <deque>
#include <string>

#include "option/skin/drop_down_guard.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CSkinButton;

struct SkinMenuColors {
  COLORREF background = RGB(0, 0, 0);
  COLORREF selectedBackground = 0xDEA035;
  COLORREF separator = 0xDEA035;
  COLORREF text = RGB(255, 255, 255);
  COLORREF selectedText = RGB(255, 255, 255);
  COLORREF highlightText = 0xFFBF44;
  COLORREF disabledText = RGB(112, 112, 112);
};

class CSkinMenu {
 public:
  // `font` is borrowed and must outlive the menu (callers pass Arial 14 x 5).
  explicit CSkinMenu(HFONT font);
  CSkinMenu(const CSkinMenu&) = delete;
  CSkinMenu& operator=(const CSkinMenu&) = delete;

  // Appends an owner-drawn item; every id is a command (id 1 is appended
  // hidden and disabled). A submenu becomes part of this menu's handle and
  // must live as long as this menu. A disabled item is greyed and cannot be
  // chosen.
  void AppendItem(unsigned id, const std::string& text, CSkinMenu* submenu = nullptr,
                  bool highlight = false, bool tmMark = false, bool enabled = true);
  void AppendSeparator();
  void SetMinWidth(int pixels) { minWidth_ = pixels; }

  HMENU handle() const { return handle_; }
  int Width() const { return width_; }

  // Opens the menu at (x, y) in screen coordinates; its commands arrive at
  // `owner` as WM_COMMAND. `owner` must be a Window, which passes the
  // owner-draw messages to the items.
  void Track(HWND owner, int x, int y) const;

 private:
  class Item : public OwnerDrawnMenuItem {
   public:
    Item(const CSkinMenu& menu, bool separator, unsigned id, std::string text, bool submenu,
         bool highlight, bool tmMark)
        : menu_(menu),
          separator_(separator),
          id_(id),
          text_(std::move(text)),
          submenu_(submenu),
          highlight_(highlight),
          tmMark_(tmMark) {}
    void Measure(MEASUREITEMSTRUCT& measure) override;
    void Draw(const DRAWITEMSTRUCT& draw) override;

   private:
    void PaintLabel(HDC dc, const RECT& rect, bool selected, bool grayed) const;

    const CSkinMenu& menu_;
    bool separator_;
    unsigned id_;
    std::string text_;
    bool submenu_;
    bool highlight_;
    bool tmMark_;
  };

  UniqueMenu owned_;  // released to the parent menu when this is a submenu
  HMENU handle_ = nullptr;
  HFONT font_;
  SkinMenuColors colors_;
  int minWidth_ = 0;
  int width_ = 0;
  std::deque<Item> items_;  // stable addresses: the menu keeps pointers to them
};

// Drop-down use: opens `menu` under `button` (bottom-left corner) with the
// button held in hover while it is open, then posts WM_NULL to `owner`. A
// click on the button whose menu has just closed only closes it (`guard`).
void TrackDropDownMenu(const CSkinMenu& menu, CSkinButton& button, HWND owner,
                       DropDownGuard& guard);

}  // namespace brelfx
