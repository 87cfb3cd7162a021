// The six pages under the tabs: exactly one is shown, and its tab shows the
// selected image. A page that is not attached yet is simply skipped, so the
// pages can be built after the window first paints.
#pragma once

#include <array>

#include "option/app/page.h"

namespace brelfx {

enum class TabImage { kNormal, kSelected };

class PageHost {
 public:
  // Shows the page when it is the current one, hides it otherwise.
  void Attach(PageId id, Page& page);

  // The tab rule: shows the clicked page and hides the current one; false
  // (nothing done) when it already is the current one.
  bool Select(PageId id);
  PageId current() const { return current_; }
  TabImage ImageOf(PageId id) const;

  void Reload(PageId id, SettingsBlock& edited);
  void ReloadAll(SettingsBlock& edited);
  void ReloadStrings(StringSource& strings);

 private:
  Page* PageAt(PageId id) const { return pages_[static_cast<int>(id)]; }

  std::array<Page*, kPageCount> pages_{};
  PageId current_ = PageId::kMain;
};

}  // namespace brelfx
