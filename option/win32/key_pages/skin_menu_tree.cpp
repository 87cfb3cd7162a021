#include "option/win32/key_pages/skin_menu_tree.h"

#include <algorithm>

namespace brelfx {

SkinMenuTree* SkinMenuTree::tracked_ = nullptr;

SkinMenuTree::SkinMenuTree(HFONT font, const MenuEntry& root) : font_(font) {
  Fill(menus_.emplace_back(font_), root);
}

void SkinMenuTree::Fill(CSkinMenu& menu, const MenuEntry& entry) {
  menu.SetMinWidth(entry.minWidth);
  for (const MenuEntry& item : entry.items) {
    switch (item.kind) {
      case MenuEntry::Kind::kSeparator: menu.AppendSeparator(); break;
      case MenuEntry::Kind::kCommand:
        menu.AppendItem(item.id, item.text, nullptr, item.highlight, false, item.enabled);
        break;
      case MenuEntry::Kind::kSubmenu: {
        CSkinMenu& submenu = menus_.emplace_back(font_);
        pending_.push_back({&submenu, &item});
        menu.AppendItem(0, item.text, &submenu, item.highlight);
        break;
      }
    }
  }
}

void SkinMenuTree::FillPending(HMENU handle) {
  const auto found = std::find_if(pending_.begin(), pending_.end(),
                                  [handle](const Pending& p) { return p.menu->handle() == handle; });
  if (found == pending_.end()) return;
  const Pending pending = *found;
  pending_.erase(found);
  Fill(*pending.menu, *pending.entry);
}

void SkinMenuTree::OnInitMenuPopup(HMENU menu) {
  if (tracked_) tracked_->FillPending(menu);
}

void TrackMenuTree(HFONT font, const MenuEntry& root, CSkinButton& button, HWND owner,
                   DropDownGuard& guard) {
  SkinMenuTree tree(font, root);
  SkinMenuTree::tracked_ = &tree;
  TrackDropDownMenu(tree.root(), button, owner, guard);
  SkinMenuTree::tracked_ = nullptr;
}

}  // namespace brelfx
