#include "option/win32/option_pages.h"

#include "option/skin/layout_string.h"
#include "option/app/update_page_layout.h"
#include "option/skin/win32/placement.h"
#include "option/win32/option_art_ids.h"

namespace brelfx {
namespace {

constexpr const char* kPageClass = "BrelFX.Page";

// Pages are rectangles: no shape picture.
SkinSetIds IdsFrom(int first) { return {0, first + 1, first + 2, first + 3, first + 4}; }

}  // namespace

CPageWnd::~CPageWnd() { DestroyWindowNow(); }

bool CPageWnd::Create(HWND parent, const RECT& rect) {
  if (!RegisterWindowClass(kPageClass)) return false;
  return CreateWindowObject(WS_EX_CONTROLPARENT, kPageClass, "", WS_CHILD | WS_CLIPCHILDREN, rect,
                            parent, nullptr) != nullptr;
}

void CPageWnd::SetVisible(bool visible) {
  if (hwnd()) ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

LRESULT CPageWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    if (!LoadSkin(ids_)) return -1;
    OnCreatePage();
    return 0;
  }
  return SkinWindow::HandleMessage(message, wParam, lParam);
}

CUpdatePage::CUpdatePage() : CPageWnd(IdsFrom(BRELFX_IDB_UPDATE_PAGE)) {}

CUpdatePage::~CUpdatePage() { DestroyWindowNow(); }

void CUpdatePage::OnCreatePage() {
  font_.reset(CreateFontA(14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, "Arial"));
  const HBITMAP background = skin().Image(SkinRole::kNormal);
  driver_.Create(hwnd(), ToRect(ParseLayoutString(update_page::kDriverLink).rect), background);
  help_.Create(hwnd(), ToRect(ParseLayoutString(update_page::kHelpLink).rect), background);
  SetVersions(versions_);
}

void CUpdatePage::SetVersions(const VersionTexts& versions) {
  versions_ = versions;
  if (!hwnd()) return;
  driver_.SetAddress(versions_.links.driver);
  help_.SetAddress(versions_.links.help);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void CUpdatePage::PaintOver(HDC dc, const RECT&) {
  const HGDIOBJ old = SelectObject(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(230, 235, 240));
  for (const auto& [layout, text] : {std::pair{update_page::kProgramVersion, &versions_.program},
                                     std::pair{update_page::kFirmwareVersion, &versions_.firmware}}) {
    RECT box = ToRect(ParseLayoutString(layout).rect);
    DrawTextA(dc, text->c_str(), static_cast<int>(text->size()), &box,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, old);
}

}  // namespace brelfx
