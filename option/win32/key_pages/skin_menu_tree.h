// A function menu tree made into owner-drawn CSkinMenus: the root and every
// submenu live together and go together.
#pragma once

#include <windows.h>

#include <deque>

#include "option/app/key_pages/function_menu.h"
#include "option/skin/win32/skin_menu.h"

namespace brelfx {

class SkinMenuTree {
 public:
  // `font` is borrowed and must outlive the tree.
  SkinMenuTree(HFONT font, const MenuEntry& root);
  const CSkinMenu& root() const { return menus_.front(); }

 private:
  void Fill(CSkinMenu& menu, const MenuEntry& entry);

  HFONT font_;
  std::deque<CSkinMenu> menus_;  // stable addresses: parents hold their submenus
};

}  // namespace brelfx
