// The one base of every window object: a static window procedure finds the
// object (stored on WM_NCCREATE, or when a system control is subclassed) and
// forwards to its HandleMessage. Derived classes write HandleMessage as a
// table, one line per message:
//
//   switch (message) {
//     case WM_PAINT: return OnPaint();
//     case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), HWND(lParam));
//     default: return Default(message, wParam, lParam);
//   }
//
// Owner-draw and control-colour messages and control notifications are first
// offered to the object of the control they concern (OnReflected), so a
// control draws itself. Only windows and menu items this base made in this
// process are ever taken for objects: any program can post or send a window
// message naming its own window or pointer. No exception leaves a window
// procedure.
#pragma once

#include <windows.h>

#include <optional>

namespace brelfx {

// Owner-drawn menu items carry a pointer to one of these as their item data;
// the window that tracks the menu passes WM_MEASUREITEM/WM_DRAWITEM to it.
// Every live item is known, so item data that names no item is ignored.
class OwnerDrawnMenuItem {
 public:
  virtual void Measure(MEASUREITEMSTRUCT& measure) = 0;
  virtual void Draw(const DRAWITEMSTRUCT& draw) = 0;

  // The live item at this item data, or null.
  static OwnerDrawnMenuItem* FromItemData(ULONG_PTR itemData);

 protected:
  OwnerDrawnMenuItem();
  OwnerDrawnMenuItem(const OwnerDrawnMenuItem&) = delete;
  OwnerDrawnMenuItem& operator=(const OwnerDrawnMenuItem&) = delete;
  ~OwnerDrawnMenuItem();
};

// Whether a window passes the messages about its controls to their objects.
enum class Reflection { kToOwnControls, kNone };

class Window {
 public:
  explicit Window(Reflection reflection = Reflection::kToOwnControls) : reflection_(reflection) {}
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // The object behind a window this base created or subclassed in this
  // process, or null (for any other window, whatever its user data holds).
  static Window* FromHandle(HWND window);

  // Registers a window class whose procedure is this base's (once per name).
  static bool RegisterWindowClass(const char* className, UINT classStyle = 0,
                                  HCURSOR cursor = nullptr, HICON icon = nullptr);

  // Destroys the window now (children first). Owners of child objects call it
  // in their own destructor, while their members are still whole.
  void DestroyWindowNow();

 protected:
  // Creates a window of a class registered with RegisterWindowClass.
  HWND CreateWindowObject(DWORD exStyle, const char* className, const char* title, DWORD style,
                          const RECT& rect, HWND parent, HMENU menuOrId);
  // Creates a system control ("EDIT", "BUTTON") and subclasses it, so this
  // object sees its messages first and Default() is the control's own procedure.
  HWND CreateControlObject(DWORD exStyle, const char* className, const char* title, DWORD style,
                           const RECT& rect, HWND parent, HMENU menuOrId);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // A message the parent received about this control: WM_DRAWITEM,
  // WM_CTLCOLOR*, or WM_COMMAND with a notification. Return a value to
  // consume it; nothing lets the parent handle it.
  virtual std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> Reflect(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach();

  void Attach(HWND window);

  const Reflection reflection_;
  HWND hwnd_ = nullptr;
  WNDPROC controlProc_ = nullptr;  // the subclassed control's own procedure
};

}  // namespace brelfx
