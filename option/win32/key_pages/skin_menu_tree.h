// A function menu tree made into owner-drawn CSkinMenus: the root and every
// submenu live together and go together. A submenu gets its items only when
// it is about to open: with 100 macro sets of 100 macros, making every item
// at once would cost more than the user may wait for the menu.
#pragma once

#include <windows.h>

#include <deque>
#include <vector>

#include "option/app/key_pages/function_menu.h"
#include "option/skin/win32/skin_menu.h"

namespace brelfx {

class SkinMenuTree {
 public:
  // `font` is borrowed and must outlive the tree, `root` too.
  SkinMenuTree(HFONT font, const MenuEntry& root);
  const CSkinMenu& root() const { return menus_.front(); }

  // The menu owner's WM_INITMENUPOPUP while a tree is tracked: fills the
  // submenu that is about to open.
  static void OnInitMenuPopup(HMENU menu);

 private:
  friend void TrackMenuTree(HFONT, const MenuEntry&, CSkinButton&, HWND, DropDownGuard&);

  void Fill(CSkinMenu& menu, const MenuEntry& entry);
  void FillPending(HMENU menu);

  struct Pending {
    CSkinMenu* menu;
    const MenuEntry* entry;
  };

  HFONT font_;
  std::deque<CSkinMenu> menus_;  // stable addresses: parents hold their submenus
  std::vector<Pending> pending_;
  static SkinMenuTree* tracked_;
};

// Opens the tree as the drop-down menu of `button` (second-click rule and
// held hover included); the chosen command arrives at `owner`, which passes
// its WM_INITMENUPOPUP to SkinMenuTree::OnInitMenuPopup.
void TrackMenuTree(HFONT font, const MenuEntry& root, CSkinButton& button, HWND owner,
                   DropDownGuard& guard);

}  // namespace brelfx
