// The page windows under the tabs. Each is a child of the main window at
// the page position with a background of its own, and implements Page. The
// Update page shows the versions and the support links; the others get
// their controls from the page that owns them.
#pragma once

#include <windows.h>

#include <string>

#include "option/app/main_window_view.h"
#include "option/app/page.h"
#include "option/skin/win32/skin_image.h"
#include "option/skin/win32/skin_window.h"
#include "option/win32/link_label.h"

namespace brelfx {

class CPageWnd : public SkinWindow, public Page {
 public:
  explicit CPageWnd(const SkinSetIds& ids) : SkinWindow(DragMoves::kParent), ids_(ids) {}
  ~CPageWnd() override;
  // Hidden until the page host shows it.
  bool Create(HWND parent, const RECT& rect);

  void Reload(SettingsBlock&) override {}
  void ReloadStrings(StringSource&) override {}
  void SetVisible(bool visible) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Places the page's own controls; the skin is loaded.
  virtual void OnCreatePage() {}

 private:
  SkinSetIds ids_;
};

class CUpdatePage final : public CPageWnd {
 public:
  CUpdatePage();
  ~CUpdatePage() override;
  void SetVersions(const VersionTexts& versions);

 protected:
  void OnCreatePage() override;
  void PaintOver(HDC dc, const RECT& client) override;

 private:
  VersionTexts versions_;
  CLinkLabel driver_, help_;
  UniqueFont font_;
};

}  // namespace brelfx
