// CSkinList: the owner-drawn list of the macro manager (macro names, the
// event list): rows drawn in the skin's colours by the style in their item
// data, a context menu at the cursor on the right button, and an in-place
// edit over a row. The owner hears LBN_SELCHANGE / LBN_DBLCLK through
// WM_COMMAND and the right button through WM_CONTEXTMENU (wParam the list).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "option/skin/win32/lists/in_place_edit.h"
#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace brelfx {

class CSkinMenu;

class CSkinList : public Window {
 public:
  static constexpr int kRowHeight = 16;

  ~CSkinList() override;

  bool Create(HWND owner, const RECT& rect, int id);

  int AddRow(const std::string& text, uint32_t itemData = 0);
  int InsertRow(int index, const std::string& text, uint32_t itemData = 0);
  // Removes a row; the selection moves to the same position or the last row.
  void RemoveRow(int index);
  void Clear();
  void SetRowText(int index, const std::string& text);
  std::string RowText(int index) const;
  uint32_t ItemData(int index) const;
  void SetItemData(int index, uint32_t itemData);
  int Count() const;
  int Selected() const;  // -1: none
  void Select(int index);

  // The row under a client point of the list, or -1.
  int RowAt(POINT client) const;
  // Opens `menu` for a WM_CONTEXTMENU the owner received (lParam as given):
  // at the cursor, or under the selected row when it came from the keyboard.
  void TrackContextMenu(const CSkinMenu& menu, HWND owner, LPARAM contextPosition) const;

  // Opens the in-place edit over `row` (at most `limit` characters).
  bool EditRow(int row, std::size_t limit, CInPlaceEdit::Done done);
  CInPlaceEdit& RowEdit() { return edit_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Draw(const DRAWITEMSTRUCT& draw);
  LRESULT OnRightButtonDown(LPARAM lParam);

  UniqueFont font_;
  CInPlaceEdit edit_;
};

}  // namespace brelfx
