#include "option/skin/win32/lists/popup_list.h"

#include <utility>

#include "option/skin/lists/popup_list_hits.h"
#include "option/skin/win32/placement.h"

namespace brelfx {
namespace {

constexpr const char* kPopupClass = "BrelFX.PopupList";

bool IsMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

bool IsPress(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_MBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

}  // namespace

CPopupList::CPopupList(const SkinSetIds& skin, std::vector<const char*> items)
    : SkinWindow(DragMoves::kSelf), layouts_(std::move(items)), ids_(skin) {
  captions_.resize(layouts_.size());
}

CPopupList::~CPopupList() {
  DestroyWindowNow();
}

void CPopupList::SetItemCaption(std::size_t index, const std::string& caption) {
  if (index < captions_.size()) captions_[index] = caption;
}

int CPopupList::Run(HWND owner, POINT screen) {
  if (!RegisterWindowClass(kPopupClass)) return -2;
  ended_ = false;
  result_ = -1;
  highlighted_ = -1;
  if (!CreateWindowObject(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, "",
                          WS_POPUP | WS_CLIPCHILDREN,
                          RECT{screen.x, screen.y, screen.x + 1, screen.y + 1}, owner, nullptr)) {
    return -2;
  }
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(hwnd());
  SetCapture(hwnd());
  POINT cursor;
  GetCursorPos(&cursor);
  UpdateCapture(cursor);

  MSG message;
  while (!ended_) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (Preview(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    if (IsMouseMessage(message.message) && !ended_) UpdateCapture(message.pt);
  }
  if (GetCapture() == hwnd()) ReleaseCapture();
  DestroyWindowNow();
  if (owner) SetActiveWindow(owner);
  return result_;
}

bool CPopupList::Preview(const MSG& message) {
  if (message.message == WM_KEYDOWN) {
    const PopupKeyDecision key = PopupListOnKey(static_cast<unsigned>(message.wParam), highlighted_,
                                                static_cast<int>(buttons_.size()));
    if (key.end) {
      End(*key.end);
    } else {
      Highlight(key.highlighted);
    }
    return true;
  }
  if (!IsMouseMessage(message.message)) return false;
  POINT client = message.pt;
  ScreenToClient(hwnd(), &client);
  const PopupMouseDecision mouse =
      PopupListOnMouse(hitBoxes_, client.x, client.y, IsPress(message.message));
  if (mouse.end) {
    End(*mouse.end);
    return true;
  }
  return false;
}

void CPopupList::UpdateCapture(POINT screen) {
  ScreenToClient(hwnd(), &screen);
  const PopupMouseDecision mouse = PopupListOnMouse(hitBoxes_, screen.x, screen.y, false);
  if (mouse.holdCapture) {
    // Off the items: take the mouse back (from an item button still in
    // hover, which then drops its hover, or from nobody), so the next click
    // anywhere on the screen reaches the list.
    if (GetCapture() != hwnd()) SetCapture(hwnd());
  } else if (GetCapture() == hwnd()) {
    // Over an item: let go, so its button sees the mouse.
    ReleaseCapture();
    Highlight(-1);
  }
}

void CPopupList::Highlight(int index) {
  if (highlighted_ >= 0 && highlighted_ < static_cast<int>(buttons_.size()))
    buttons_[static_cast<std::size_t>(highlighted_)].HoldHover(false);
  highlighted_ = index;
  if (index >= 0 && index < static_cast<int>(buttons_.size()))
    buttons_[static_cast<std::size_t>(index)].HoldHover(true);
}

void CPopupList::End(int result) {
  result_ = result;
  ended_ = true;
}

LRESULT CPopupList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_COMMAND:
      for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (reinterpret_cast<HWND>(lParam) == buttons_[i].hwnd()) End(static_cast<int>(i));
      }
      return 0;
    case WM_ACTIVATE:
      // Another program came to the front: the list closes as a menu would.
      if (LOWORD(wParam) == WA_INACTIVE && !ended_) End(-1);
      return 0;
    case WM_LBUTTONDOWN:
      return 0;  // no dragging: the loop above ends the list on such presses
    default:
      return SkinWindow::HandleMessage(message, wParam, lParam);
  }
}

LRESULT CPopupList::OnCreate() {
  if (!LoadSkin(ids_)) return -1;
  ApplyShape();
  buttons_.clear();
  hitBoxes_.clear();
  for (std::size_t i = 0; i < layouts_.size(); ++i) {
    CSkinButton& button = buttons_.emplace_back();
    const LayoutItem item = PlaceSkinButton(hwnd(), button, layouts_[i], skin());
    if (!captions_[i].empty()) button.SetCaption(captions_[i]);
    hitBoxes_.push_back(item.rect);
  }
  return 0;
}

}  // namespace brelfx
