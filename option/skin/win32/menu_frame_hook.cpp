#include "option/skin/win32/menu_frame_hook.h"

#include <cstring>
#include <unordered_map>

namespace brelfx {
namespace {

constexpr const char* kOldProcProperty = "CoolMenu_oldProc";
constexpr UINT kMenuSizeMessage = 0x1E2;  // sent to a popup menu window before it is sized
constexpr COLORREF kFrameColor = 0xDEA035;

// The subclassed popup-menu windows and their own window procedures.
std::unordered_map<HWND, WNDPROC>& FramedMenus() {
  static std::unordered_map<HWND, WNDPROC> menus;
  return menus;
}

void PaintFrame(HWND window) {
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  RECT rect;
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  const COLORREF rings[3] = {kFrameColor, RGB(0, 0, 0), RGB(0, 0, 0)};
  for (COLORREF color : rings) {
    UniqueBrush brush(CreateSolidBrush(color));
    FrameRect(dc, &rect, brush.get());
    InflateRect(&rect, -1, -1);
  }
  ReleaseDC(window, dc);
}

void Unsubclass(HWND window, WNDPROC own) {
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
  RemovePropA(window, kOldProcProperty);
  FramedMenus().erase(window);
}

LRESULT CALLBACK MenuFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = FramedMenus().find(window);
  if (found == FramedMenus().end()) return DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC own = found->second;
  switch (message) {
    case WM_NCPAINT:
      PaintFrame(window);
      return 0;
    // Where popup menus have no frame outside their client area, the frame
    // is part of the menu's own painting; draw ours over it afterwards.
    case WM_PAINT:
    case WM_PRINT: {
      const LRESULT result = CallWindowProcA(own, window, message, wParam, lParam);
      PaintFrame(window);
      return result;
    }
    case WM_SHOWWINDOW:
      if (!wParam) Unsubclass(window, own);
      return CallWindowProcA(own, window, message, wParam, lParam);
    case WM_NCDESTROY:
      Unsubclass(window, own);
      return CallWindowProcA(own, window, message, wParam, lParam);
    default:
      return CallWindowProcA(own, window, message, wParam, lParam);
  }
}

bool IsPopupMenuWindow(HWND window) {
  char name[16] = {};
  return GetClassNameA(window, name, sizeof(name)) && std::strcmp(name, "#32768") == 0;
}

LRESULT CALLBACK CallWndHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if ((call->message == WM_CREATE || call->message == kMenuSizeMessage) &&
        !GetPropA(call->hwnd, kOldProcProperty) && IsPopupMenuWindow(call->hwnd)) {
      const auto own = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(call->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuFrameProc)));
      SetPropA(call->hwnd, kOldProcProperty, reinterpret_cast<HANDLE>(own));
      FramedMenus()[call->hwnd] = own;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MenuFrameHook::MenuFrameHook()
    : hook_(SetWindowsHookExA(WH_CALLWNDPROC, &CallWndHook, nullptr, GetCurrentThreadId())) {}

MenuFrameHook::~MenuFrameHook() {
  hook_.reset();
  for (auto it = FramedMenus().begin(); it != FramedMenus().end(); it = FramedMenus().begin()) {
    Unsubclass(it->first, it->second);
  }
}

std::size_t MenuFrameHook::FramedMenuCount() {
  return FramedMenus().size();
}

}  // namespace brelfx
