#include "platform/win32/window.h"

#include <climits>
#include <exception>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "platform/log.h"

namespace brelfx {
namespace {

HINSTANCE ThisModule() {
  return GetModuleHandleA(nullptr);
}

// right - left without overflow; an inverted rectangle is an empty window.
int Extent(LONG from, LONG to) {
  const long long extent = static_cast<long long>(to) - from;
  return extent < 0 ? 0 : extent > INT_MAX ? INT_MAX : static_cast<int>(extent);
}

// What this process made, by handle or address: a window handle or item data
// in a message is looked up here, never turned into a pointer on trust.
template <typename Key, typename Value>
class Registry {
 public:
  void Add(Key key, Value value) {
    std::lock_guard lock(mutex_);
    entries_[key] = value;
  }
  void Remove(Key key) {
    std::lock_guard lock(mutex_);
    entries_.erase(key);
  }
  Value Find(Key key) {
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(key);
    return found == entries_.end() ? Value{} : found->second;
  }

 private:
  std::mutex mutex_;
  std::unordered_map<Key, Value> entries_;
};

Registry<HWND, Window*>& OwnWindows() {
  static Registry<HWND, Window*> windows;
  return windows;
}

Registry<ULONG_PTR, OwnerDrawnMenuItem*>& OwnMenuItems() {
  static Registry<ULONG_PTR, OwnerDrawnMenuItem*> items;
  return items;
}

}  // namespace

OwnerDrawnMenuItem::OwnerDrawnMenuItem() {
  OwnMenuItems().Add(reinterpret_cast<ULONG_PTR>(this), this);
}

OwnerDrawnMenuItem::~OwnerDrawnMenuItem() {
  OwnMenuItems().Remove(reinterpret_cast<ULONG_PTR>(this));
}

OwnerDrawnMenuItem* OwnerDrawnMenuItem::FromItemData(ULONG_PTR itemData) {
  return OwnMenuItems().Find(itemData);
}

Window::~Window() {
  if (!hwnd_) return;
  // The derived part is gone: messages sent while the window dies must not
  // reach it, so the object lets go before destroying.
  HWND window = hwnd_;
  Detach();
  DestroyWindow(window);
}

Window* Window::FromHandle(HWND window) {
  if (!window) return nullptr;
  return OwnWindows().Find(window);
}

bool Window::RegisterWindowClass(const char* className, UINT classStyle, HCURSOR cursor,
                                 HICON icon) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(ThisModule(), className, &existing)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = classStyle;
  wc.lpfnWndProc = &Window::WindowProc;
  wc.hInstance = ThisModule();
  wc.hCursor = cursor ? cursor : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hIcon = icon;
  wc.lpszClassName = className;
  if (RegisterClassExA(&wc)) return true;
  DebugLog("RegisterClassEx(%s) failed: %lu\n", className, GetLastError());
  return false;
}

void Window::DestroyWindowNow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

HWND Window::CreateWindowObject(DWORD exStyle, const char* className, const char* title,
                                DWORD style, const RECT& r, HWND parent, HMENU menuOrId) {
  HWND window =
      CreateWindowExA(exStyle, className, title, style, r.left, r.top, Extent(r.left, r.right),
                      Extent(r.top, r.bottom), parent, menuOrId, ThisModule(), this);
  if (!window) DebugLog("CreateWindowEx(%s) failed: %lu\n", className, GetLastError());
  return window;
}

HWND Window::CreateControlObject(DWORD exStyle, const char* className, const char* title,
                                 DWORD style, const RECT& r, HWND parent, HMENU menuOrId) {
  HWND window =
      CreateWindowExA(exStyle, className, title, style, r.left, r.top, Extent(r.left, r.right),
                      Extent(r.top, r.bottom), parent, menuOrId, ThisModule(), nullptr);
  if (!window) {
    DebugLog("CreateWindowEx(%s) failed: %lu\n", className, GetLastError());
    return nullptr;
  }
  Attach(window);
  controlProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::SubclassProc)));
  return window;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

std::optional<LRESULT> Window::OnReflected(UINT, WPARAM, LPARAM) {
  return std::nullopt;
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (controlProc_) return CallWindowProcA(controlProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

std::optional<LRESULT> Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam) {
  if (reflection_ == Reflection::kNone) return std::nullopt;
  switch (message) {
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (!draw) return std::nullopt;
      if (draw->CtlType == ODT_MENU) {
        if (auto* item = OwnerDrawnMenuItem::FromItemData(draw->itemData)) item->Draw(*draw);
        return TRUE;
      }
      if (Window* control = FromHandle(draw->hwndItem))
        return control->OnReflected(message, wParam, lParam);
      return std::nullopt;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (!measure || measure->CtlType != ODT_MENU) return std::nullopt;
      if (auto* item = OwnerDrawnMenuItem::FromItemData(measure->itemData)) item->Measure(*measure);
      return TRUE;
    }
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      Window* control = FromHandle(reinterpret_cast<HWND>(lParam));
      if (control && control != this) return control->OnReflected(message, wParam, lParam);
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (auto reflected = Reflect(message, wParam, lParam)) return *reflected;
    return HandleMessage(message, wParam, lParam);
  } catch (const std::exception& e) {
    DebugLog("window message %u: %s\n", message, e.what());
  } catch (...) {
    DebugLog("window message %u: unknown exception\n", message);
  }
  return 0;
}

void Window::Attach(HWND window) {
  hwnd_ = window;
  OwnWindows().Add(window, this);
}

void Window::Detach() {
  if (!hwnd_) return;
  OwnWindows().Remove(hwnd_);
  if (controlProc_) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
    controlProc_ = nullptr;
  }
  hwnd_ = nullptr;
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // Only windows of the classes this base registered get here, created by
    // CreateWindowObject with their object as the creation parameter.
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (self) self->Attach(window);
  }
  Window* self = FromHandle(window);
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  const LRESULT result = self->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) self->Detach();
  return result;
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(window);
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    WNDPROC own = self->controlProc_;
    self->Detach();
    return CallWindowProcA(own, window, message, wParam, lParam);
  }
  return self->Dispatch(message, wParam, lParam);
}

}  // namespace brelfx
