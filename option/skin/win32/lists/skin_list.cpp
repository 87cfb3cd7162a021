#include "option/skin/win32/lists/skin_list.h"

#include <vector>

#include "option/skin/lists/list_rows.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/skin_menu.h"

namespace brelfx {
namespace {

constexpr COLORREF kBackground = RGB(8, 9, 11);
constexpr COLORREF kSelected = RGB(53, 160, 222);
constexpr int kTextLeft = 4;
constexpr int kDelayIndent = 14;  // delay rows sit under their event

COLORREF TextColorOf(ListRowStyle style) {
  switch (style) {
    case ListRowStyle::kDelay:
      return RGB(53, 160, 222);
    case ListRowStyle::kRelease:
      return RGB(150, 160, 172);
    case ListRowStyle::kMouse:
      return RGB(255, 191, 68);
    case ListRowStyle::kPress:
    case ListRowStyle::kPlain:
      return RGB(230, 236, 244);
  }
  return RGB(230, 236, 244);
}

}  // namespace

CSkinList::~CSkinList() {
  DestroyWindowNow();
}

bool CSkinList::Create(HWND owner, const RECT& rect, int id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED |
                      LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (!CreateControlObject(0, "LISTBOX", "", style, rect, owner,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)))) {
    return false;
  }
  font_ = CreateSkinFont("Arial", 14, 5);
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SendMessageA(hwnd(), LB_SETITEMHEIGHT, 0, kRowHeight);
  return true;
}

int CSkinList::AddRow(const std::string& text, uint32_t itemData) {
  return InsertRow(-1, text, itemData);
}

int CSkinList::InsertRow(int index, const std::string& text, uint32_t itemData) {
  const auto at = static_cast<int>(SendMessageA(hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                                                reinterpret_cast<LPARAM>(text.c_str())));
  if (at >= 0) SendMessageA(hwnd(), LB_SETITEMDATA, at, static_cast<LPARAM>(itemData));
  return at;
}

void CSkinList::RemoveRow(int index) {
  if (index < 0 || index >= Count()) return;
  SendMessageA(hwnd(), LB_DELETESTRING, index, 0);
  Select(SelectionAfterRemoval(index, Count()));
}

void CSkinList::Clear() {
  SendMessageA(hwnd(), LB_RESETCONTENT, 0, 0);
}

void CSkinList::SetRowText(int index, const std::string& text) {
  if (index < 0 || index >= Count()) return;
  // A list box cannot change a row's text: the row is replaced in place.
  const uint32_t data = ItemData(index);
  const bool selected = Selected() == index;
  SendMessageA(hwnd(), LB_DELETESTRING, index, 0);
  InsertRow(index, text, data);
  if (selected) Select(index);
}

std::string CSkinList::RowText(int index) const {
  const auto length = SendMessageA(hwnd(), LB_GETTEXTLEN, index, 0);
  if (length < 0) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  SendMessageA(hwnd(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data());
}

uint32_t CSkinList::ItemData(int index) const {
  const LRESULT data = SendMessageA(hwnd(), LB_GETITEMDATA, index, 0);
  return data == LB_ERR ? 0 : static_cast<uint32_t>(data);
}

void CSkinList::SetItemData(int index, uint32_t itemData) {
  SendMessageA(hwnd(), LB_SETITEMDATA, index, static_cast<LPARAM>(itemData));
  InvalidateRect(hwnd(), nullptr, FALSE);
}

int CSkinList::Count() const {
  return static_cast<int>(SendMessageA(hwnd(), LB_GETCOUNT, 0, 0));
}

int CSkinList::Selected() const {
  const LRESULT index = SendMessageA(hwnd(), LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

void CSkinList::Select(int index) {
  SendMessageA(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int CSkinList::RowAt(POINT client) const {
  RECT box;
  GetClientRect(hwnd(), &box);
  if (client.x < 0 || client.x >= box.right) return -1;
  const int top = static_cast<int>(SendMessageA(hwnd(), LB_GETTOPINDEX, 0, 0));
  return RowAtPoint(client.y, top, kRowHeight, Count());
}

void CSkinList::TrackContextMenu(const CSkinMenu& menu, HWND owner, LPARAM contextPosition) const {
  POINT at{static_cast<short>(LOWORD(contextPosition)),
           static_cast<short>(HIWORD(contextPosition))};
  if (contextPosition == -1) {  // from the keyboard: under the selected row
    RECT row{};
    if (SendMessageA(hwnd(), LB_GETITEMRECT, Selected() < 0 ? 0 : Selected(),
                     reinterpret_cast<LPARAM>(&row)) == LB_ERR) {
      GetClientRect(hwnd(), &row);
      row.bottom = row.top;
    }
    at = POINT{row.left, row.bottom};
    ClientToScreen(hwnd(), &at);
  }
  menu.Track(owner, at.x, at.y);
}

bool CSkinList::EditRow(int row, std::size_t limit, CInPlaceEdit::Done done) {
  RECT rect{};
  if (row < 0 ||
      SendMessageA(hwnd(), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
    return false;
  }
  Select(row);
  // Over the row, in the list's parent: a child of the list box would be
  // painted over by it.
  MapWindowPoints(hwnd(), GetParent(hwnd()), reinterpret_cast<POINT*>(&rect), 2);
  return edit_.Open(GetParent(hwnd()), rect, RowText(row), limit, std::move(done));
}

LRESULT CSkinList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_RBUTTONDOWN:
      return OnRightButtonDown(lParam);
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      // The edit would float over another row.
      edit_.Finish(InPlaceEditEnd::kFocusLost);
      return Default(message, wParam, lParam);
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd(), &client);
      UniqueBrush background(CreateSolidBrush(kBackground));
      FillRect(reinterpret_cast<HDC>(wParam), &client, background.get());
      return TRUE;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT CSkinList::OnRightButtonDown(LPARAM lParam) {
  // The row under the mouse is the one the context menu acts on.
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const int row = RowAt(point);
  if (row >= 0 && row != Selected()) {
    Select(row);
    SendMessageA(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hwnd()));
  }
  SetFocus(hwnd());
  return 0;  // the button release makes WM_CONTEXTMENU, which reaches the owner
}

std::optional<LRESULT> CSkinList::OnReflected(UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_DRAWITEM) return std::nullopt;
  Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  return TRUE;
}

void CSkinList::Draw(const DRAWITEMSTRUCT& draw) {
  const RECT& item = draw.rcItem;
  const int width = item.right - item.left;
  const int height = item.bottom - item.top;
  OffscreenBuffer buffer(draw.hDC, width, height);
  if (!buffer.ok()) return;
  const RECT local{0, 0, width, height};
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  UniqueBrush background(CreateSolidBrush(selected ? kSelected : kBackground));
  FillRect(buffer.dc(), &local, background.get());
  if (draw.itemID != static_cast<UINT>(-1)) {
    const auto row = static_cast<int>(draw.itemID);
    const ListRowStyle style = ListRowStyleOf(ItemData(row));
    SetTextColor(buffer.dc(), selected ? RGB(255, 255, 255) : TextColorOf(style));
    const int indent = kTextLeft + (style == ListRowStyle::kDelay ? kDelayIndent : 0);
    DrawLabel(buffer.dc(), local, indent, RowText(row), font_.get());
  }
  if ((draw.itemState & ODS_FOCUS) && GetFocus() == hwnd()) DrawFocusMark(buffer.dc(), local, 0);
  buffer.CopyTo(draw.hDC, item.left, item.top);
}

}  // namespace brelfx
