#include "option/app/page_host.h"

namespace brelfx {

void PageHost::Attach(PageId id, Page& page) {
  pages_[static_cast<int>(id)] = &page;
  page.SetVisible(id == current_);
}

bool PageHost::Select(PageId id) {
  if (id == current_) return false;
  if (Page* shown = PageAt(id)) shown->SetVisible(true);
  if (Page* hidden = PageAt(current_)) hidden->SetVisible(false);
  current_ = id;
  return true;
}

TabImage PageHost::ImageOf(PageId id) const {
  return id == current_ ? TabImage::kSelected : TabImage::kNormal;
}

void PageHost::Reload(PageId id, SettingsBlock& edited) {
  if (Page* page = PageAt(id)) page->Reload(edited);
}

void PageHost::ReloadAll(SettingsBlock& edited) {
  for (Page* page : pages_)
    if (page) page->Reload(edited);
}

void PageHost::ReloadStrings(StringSource& strings) {
  for (Page* page : pages_)
    if (page) page->ReloadStrings(strings);
}

}  // namespace brelfx
