#include "osd/win32/osd_window.h"

#include <memory>

#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/region_from_bitmap.h"
#include "osd/osd_layout.h"
#include "osd/win32/osd_art_ids.h"
#include "platform/win32/shared_memory.h"
#include "settings/shared_catalogue.h"
#include "settings/shared_settings.h"

namespace brelfx {
namespace {

constexpr char kOsdClass[] = "BrelOSDDisplay";
constexpr char kOsdTitle[] = "Tarvek Brel FX Keyboard OSD";
constexpr UINT WM_OSD_DISPLAY_VALUES = 1326;
constexpr UINT_PTR kHideTimer = 1;

// The skin's lettering colours (the recipes' heading and glyph greys).
constexpr COLORREF kTextColor = RGB(0xE6, 0xEB, 0xF0);
constexpr COLORREF kAccentColor = RGB(0x35, 0xA0, 0xDE);

RECT RectOf(const OsdBox& box) {
  return {box.x, box.y, box.x + box.width, box.y + box.height};
}

// The block the monitor published; nothing when the monitor is not running.
std::unique_ptr<SettingsBlock> ReadSharedBlock() {
  Win32SharedMemory shared;
  if (OpenSharedSettings(shared) != SharedOpenResult::kMapped) return nullptr;
  auto block = std::make_unique<SettingsBlock>();
  if (!CopyFromShared(shared, *block)) return nullptr;
  return block;
}

void DrawCentred(HDC dc, const OsdBox& box, const std::string& text, HFONT font, COLORREF color,
                 UINT format = DT_CENTER) {
  RECT rect = RectOf(box);
  const HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            format | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, old);
}

}  // namespace

bool COsdWnd::Create(const OsdLook& look) {
  look_ = look;
  profileArt_.Load({BRELFX_IDB_OSD_PROFILE, BRELFX_IDB_OSD_PROFILE + 1});
  brightnessArt_.Load({0, BRELFX_IDB_OSD_BRIGHTNESS + 1, 0, BRELFX_IDB_OSD_BRIGHTNESS + 3});
  numberFont_ = CreateSkinFont("Arial", 34, 0, FW_BOLD);
  nameFont_ = CreateSkinFont("Arial", 17, 0, FW_BOLD);
  stepFont_ = CreateSkinFont("Arial", 15, 0, FW_BOLD);

  RegisterWindowClass(kOsdClass);
  // Topmost and out of the taskbar; layered for the opacity, transparent so
  // clicks reach the window below; never activated.
  const DWORD exStyle =
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
  if (!CreateWindowObject(exStyle, kOsdClass, kOsdTitle, WS_POPUP,
                          RECT{0, 0, kOsdWidth, kOsdHeight}, nullptr, nullptr)) {
    return false;
  }
  ShapeWindow(hwnd(), profileArt_.Image(SkinRole::kShape));
  Place();
  return true;
}

LRESULT COsdWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PROFILE_SWITCHED:
    case WM_BRIGHTNESS_CHANGED:
      return OnChange(message);
    case WM_OSD_DISPLAY_VALUES:
      return OnDisplayValues(lParam);
    case WM_TIMER:
      return wParam == kHideTimer ? OnTimer() : 0;
    case WM_PAINT:
      return OnPaint();
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_DESTROY:
      return OnDestroy();
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT COsdWnd::OnChange(UINT message) {
  const std::unique_ptr<SettingsBlock> block = ReadSharedBlock();
  if (!block) return 0;
  if (const std::optional<OsdNotice> notice = NoticeFor(message, *block)) Show(*notice);
  return 0;
}

LRESULT COsdWnd::OnDisplayValues(LPARAM packed) {
  look_ = LookFromPackedValues(static_cast<std::uint32_t>(packed));
  Place();
  return 0;
}

LRESULT COsdWnd::OnTimer() {
  KillTimer(hwnd(), kHideTimer);
  ShowWindow(hwnd(), SW_HIDE);
  return 0;
}

// A new notice replaces the one on the screen and starts its two seconds anew.
void COsdWnd::Show(const OsdNotice& notice) {
  notice_ = notice;
  Place();
  InvalidateRect(hwnd(), nullptr, FALSE);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd());
  SetTimer(hwnd(), kHideTimer, kOsdNoticeMs, nullptr);
}

void COsdWnd::Place() {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const OsdPoint origin = OsdOrigin(look_.corner, {work.left, work.top, work.right, work.bottom},
                                    kOsdWidth, kOsdHeight);
  SetLayeredWindowAttributes(hwnd(), 0, look_.Alpha(), LWA_ALPHA);
  SetWindowPos(hwnd(), HWND_TOPMOST, origin.x, origin.y, kOsdWidth, kOsdHeight,
               SWP_NOACTIVATE | SWP_NOSIZE);
}

LRESULT COsdWnd::OnPaint() {
  PaintBuffered(hwnd(), [this](HDC dc, const RECT&) {
    if (notice_ && notice_->kind == OsdNotice::Kind::kBrightness) {
      DrawBrightness(dc);
    } else {
      DrawProfile(dc);
    }
  });
  return 0;
}

void COsdWnd::DrawProfile(HDC dc) const {
  DrawBitmap(dc, profileArt_.Image(SkinRole::kNormal), 0, 0);
  if (!notice_) return;
  DrawCentred(dc, kOsdBadge, std::to_string(notice_->profileNumber), numberFont_.get(),
              kAccentColor);
  OsdBox name = kOsdName;
  name.x += 10;
  name.width -= 20;
  DrawCentred(dc, name, notice_->profileName, nameFont_.get(), kTextColor, DT_LEFT);
}

// The empty bar of the normal picture, lit from the left as far as the step.
void COsdWnd::DrawBrightness(HDC dc) const {
  DrawBitmap(dc, brightnessArt_.Image(SkinRole::kNormal), 0, 0);
  const int lit = LitBarWidth(notice_->brightnessStep, kOsdBrightnessSteps);
  if (lit > 0) {
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    const HGDIOBJ old = SelectObject(source.get(), brightnessArt_.Image(SkinRole::kPressed));
    BitBlt(dc, kOsdLevelBar.x, kOsdLevelBar.y, lit, kOsdLevelBar.height, source.get(),
           kOsdLevelBar.x, kOsdLevelBar.y, SRCCOPY);
    SelectObject(source.get(), old);
  }
  DrawCentred(dc, kOsdStep,
              std::to_string(notice_->brightnessStep) + "/" + std::to_string(kOsdBrightnessSteps),
              stepFont_.get(), kTextColor);
}

LRESULT COsdWnd::OnDestroy() {
  KillTimer(hwnd(), kHideTimer);
  PostQuitMessage(0);
  return 0;
}

}  // namespace brelfx
