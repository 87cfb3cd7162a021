#include "option/win32/key_pages/skin_menu_tree.h"

namespace brelfx {

SkinMenuTree::SkinMenuTree(HFONT font, const MenuEntry& root) : font_(font) {
  Fill(menus_.emplace_back(font_), root);
}

void SkinMenuTree::Fill(CSkinMenu& menu, const MenuEntry& entry) {
  menu.SetMinWidth(entry.minWidth);
  for (const MenuEntry& item : entry.items) {
    switch (item.kind) {
      case MenuEntry::Kind::kSeparator: menu.AppendSeparator(); break;
      case MenuEntry::Kind::kCommand: menu.AppendItem(item.id, item.text, nullptr, item.highlight); break;
      case MenuEntry::Kind::kSubmenu: {
        CSkinMenu& submenu = menus_.emplace_back(font_);
        Fill(submenu, item);
        menu.AppendItem(0, item.text, &submenu, item.highlight);
        break;
      }
    }
  }
}

}  // namespace brelfx
