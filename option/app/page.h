// One page of the main window (Main, Zonix, Media F, Advanced, Trovi,
// Update). Each page is a child window with its own logic; the main window
// only knows it through this interface.
#pragma once

#include "option/app/string_source.h"
#include "settings/settings_block.h"

namespace brelfx {

// In tab order, left to right.
enum class PageId { kMain, kZonix, kMediaF, kAdvanced, kTrovi, kUpdate };
constexpr int kPageCount = 6;

class Page {
 public:
  virtual ~Page() = default;
  // Sets every control from the edited block. The block outlives the page, so
  // a page may keep the reference to write its edits into.
  virtual void Reload(SettingsBlock& edited) = 0;
  // Takes the help texts of its controls from the language's library.
  virtual void ReloadStrings(StringSource& strings) = 0;
  virtual void SetVisible(bool visible) = 0;
};

}  // namespace brelfx
