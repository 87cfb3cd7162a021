// The edit box laid over one row of a skinned list while the row is being
// named or changed: Enter (or clicking elsewhere) commits, Escape cancels.
// It takes Enter and Escape itself, so a dialog around it stays open.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "option/skin/lists/in_place_edit_rules.h"
#include "option/skin/win32/bitmap_edit.h"

namespace brelfx {

class CInPlaceEdit : public CBitmapEdit {
 public:
  // The committed text, or nothing when the edit was cancelled.
  using Done = std::function<void(std::optional<std::string> text)>;

  ~CInPlaceEdit() override;

  // Opens over `rect` (client coordinates of `parent`) with `text` selected.
  bool Open(HWND parent, const RECT& rect, const std::string& text, std::size_t limit, Done done);
  bool IsOpen() const { return open_; }
  // Ends the edit as if by `end` (a list that scrolls or goes away).
  void Finish(InPlaceEditEnd end);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Its typing and focus are its own business: the page hears only the end.
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Done done_;
  bool open_ = false;
};

}  // namespace brelfx
