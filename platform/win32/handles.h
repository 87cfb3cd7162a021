// UniqueResource traits for the Win32 handles the programs own.
#pragma once

#include <windows.h>

#include "platform/unique_resource.h"

namespace brelfx {

namespace handle_traits {
struct KernelHandle {  // events, mutexes, sections, threads: null when invalid
  using Handle = HANDLE;
  static HANDLE Invalid() { return nullptr; }
  static void Release(HANDLE h) { CloseHandle(h); }
};
struct File {  // CreateFile and snapshots: INVALID_HANDLE_VALUE when invalid
  using Handle = HANDLE;
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Release(HANDLE h) { CloseHandle(h); }
};
struct Window {
  using Handle = HWND;
  static HWND Invalid() { return nullptr; }
  static void Release(HWND h) { DestroyWindow(h); }
};
template <typename T>
struct GdiObject {
  using Handle = T;
  static T Invalid() { return nullptr; }
  static void Release(T h) { DeleteObject(h); }
};
struct Key {
  using Handle = HKEY;
  static HKEY Invalid() { return nullptr; }
  static void Release(HKEY h) { RegCloseKey(h); }
};
struct Menu {
  using Handle = HMENU;
  static HMENU Invalid() { return nullptr; }
  static void Release(HMENU h) { DestroyMenu(h); }
};
struct Module {
  using Handle = HMODULE;
  static HMODULE Invalid() { return nullptr; }
  static void Release(HMODULE h) { FreeLibrary(h); }
};
struct Hook {
  using Handle = HHOOK;
  static HHOOK Invalid() { return nullptr; }
  static void Release(HHOOK h) { UnhookWindowsHookEx(h); }
};
struct MappedView {
  using Handle = void*;
  static void* Invalid() { return nullptr; }
  static void Release(void* p) { UnmapViewOfFile(p); }
};
struct MemoryDc {
  using Handle = HDC;
  static HDC Invalid() { return nullptr; }
  static void Release(HDC h) { DeleteDC(h); }
};
}  // namespace handle_traits

using UniqueHandle = UniqueResource<handle_traits::KernelHandle>;
using UniqueFileHandle = UniqueResource<handle_traits::File>;
using UniqueWindow = UniqueResource<handle_traits::Window>;
using UniqueBitmap = UniqueResource<handle_traits::GdiObject<HBITMAP>>;
using UniqueFont = UniqueResource<handle_traits::GdiObject<HFONT>>;
using UniqueBrush = UniqueResource<handle_traits::GdiObject<HBRUSH>>;
using UniqueRegion = UniqueResource<handle_traits::GdiObject<HRGN>>;
using UniquePen = UniqueResource<handle_traits::GdiObject<HPEN>>;
using UniqueKey = UniqueResource<handle_traits::Key>;
using UniqueMenu = UniqueResource<handle_traits::Menu>;
using UniqueModule = UniqueResource<handle_traits::Module>;
using UniqueHook = UniqueResource<handle_traits::Hook>;
using UniqueMappedView = UniqueResource<handle_traits::MappedView>;
using UniqueMemoryDc = UniqueResource<handle_traits::MemoryDc>;

// A window DC obtained with GetDC, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint/EndPaint pair.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const PAINTSTRUCT& paint() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a DC and restores the previous one on scope exit.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectGuard() { SelectObject(dc_, old_); }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace brelfx
