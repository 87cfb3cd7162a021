#include "option/win32/macro_manager/editor/timeline_canvas.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "option/skin/win32/offscreen.h"
#include "option/win32/macro_manager/editor/macro_editor_art.h"
#include "platform/win32/current_keyboard_layout.h"
#include "settings/key_names.h"

namespace brelfx {
namespace {

constexpr const char* kCanvasClass = "BrelFX.MacroTimelineCanvas";
constexpr COLORREF kBackground = RGB(8, 9, 11);
constexpr COLORREF kLaneShade = RGB(16, 18, 22);
constexpr COLORREF kGrid = RGB(34, 38, 46);
constexpr COLORREF kLabelText = RGB(200, 208, 218);
constexpr COLORREF kAxisText = RGB(150, 160, 172);
constexpr COLORREF kBarFallback = RGB(53, 160, 222);  // without the bar picture
constexpr COLORREF kSelectedBar = RGB(255, 191, 68);
constexpr COLORREF kMouseBar = RGB(230, 120, 60);
constexpr std::uint32_t kNewBarLength = 100;
constexpr int kFitMargin = 24;  // room behind the last bar when the zoom fits a macro
// The bar picture: caps at both ends, repeating 7-pixel segments between.
constexpr int kBarCap = 2;
constexpr int kBarSegment = 7;

void FillBox(HDC dc, const RECT& rect, COLORREF color) {
  UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc, &rect, brush.get());
}

std::string AxisText(std::uint32_t time) {
  if (time % 1000 == 0) return std::to_string(time / 1000) + " s";
  return std::to_string(time) + " ms";
}

}  // namespace

CTimelineCanvas::CTimelineCanvas(MacroTimeline& timeline, std::function<void()> edited)
    : timeline_(timeline), edited_(std::move(edited)) {}

CTimelineCanvas::~CTimelineCanvas() {
  DestroyWindowNow();
}

bool CTimelineCanvas::Create(HWND parent, const RECT& rect) {
  if (!RegisterWindowClass(kCanvasClass, CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW))) return false;
  if (!CreateWindowObject(0, kCanvasClass, "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, rect,
                          parent, nullptr)) {
    return false;
  }
  font_ = CreateSkinFont("Arial", 14, 5);
  barSkin_.Load(MacroBarSkin());
  Refresh();
  return true;
}

void CTimelineCanvas::SelectBar(int bar) {
  selected_ = bar;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void CTimelineCanvas::FitAll() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  geometry_.FitTo(timeline_.EndTime(), client.right - TimelineGeometry::kLabelWidth - kFitMargin);
  geometry_.firstLane = 0;
  Refresh();
}

void CTimelineCanvas::Refresh() {
  if (selected_ >= static_cast<int>(timeline_.Bars().size())) selected_ = -1;
  UpdateScrollBars();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CTimelineCanvas::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintBuffered(hwnd(), [this](HDC dc, const RECT& client) { Paint(dc, client); });
      return 0;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(lParam);
    case WM_MOUSEMOVE:
      return OnMouseMove(lParam);
    case WM_LBUTTONUP:
      return OnLeftButtonUp();
    case WM_CAPTURECHANGED:
      EndDrag();
      return 0;
    case WM_LBUTTONDBLCLK:
      return OnDoubleClick(lParam);
    case WM_HSCROLL:
      return OnScroll(SB_HORZ, wParam);
    case WM_VSCROLL:
      return OnScroll(SB_VERT, wParam);
    case WM_MOUSEWHEEL:
      return OnScroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
    case WM_KEYDOWN:
      return OnKeyDown(wParam);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETCURSOR:
      return OnSetCursor(lParam);
    case WM_SIZE:
      UpdateScrollBars();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void CTimelineCanvas::Paint(HDC dc, const RECT& client) {
  FillBox(dc, client, kBackground);
  const HGDIOBJ oldFont = SelectObject(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  PaintLanes(dc, client);
  PaintAxis(dc, client);
  PaintBars(dc, client);
  SelectObject(dc, oldFont);
}

void CTimelineCanvas::PaintAxis(HDC dc, const RECT& client) {
  FillBox(dc, RECT{0, 0, client.right, TimelineGeometry::kAxisHeight}, kLaneShade);
  FillBox(dc,
          RECT{0, TimelineGeometry::kAxisHeight - 1, client.right, TimelineGeometry::kAxisHeight},
          kGrid);
  SetTextColor(dc, kAxisText);
  const std::uint32_t step = geometry_.AxisStep(70);
  for (std::uint32_t time = geometry_.firstTime - geometry_.firstTime % step;; time += step) {
    const int x = geometry_.XOfTime(time);
    if (x >= client.right) break;
    if (x < TimelineGeometry::kLabelWidth) continue;
    FillBox(dc, RECT{x, TimelineGeometry::kAxisHeight - 6, x + 1, TimelineGeometry::kAxisHeight},
            kAxisText);
    FillBox(dc, RECT{x, TimelineGeometry::kAxisHeight, x + 1, client.bottom}, kGrid);
    RECT label{x + 3, 0, x + 70, TimelineGeometry::kAxisHeight - 2};
    const std::string text = AxisText(time);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &label,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  RECT corner{0, 0, TimelineGeometry::kLabelWidth, TimelineGeometry::kAxisHeight};
  FillBox(dc, corner, kLaneShade);
  corner.left = 6;
  DrawTextA(dc, "KEY", 3, &corner, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CTimelineCanvas::PaintLanes(HDC dc, const RECT& client) {
  const auto& lanes = timeline_.Lanes();
  for (int lane = geometry_.firstLane; lane < static_cast<int>(lanes.size()); ++lane) {
    const int top = geometry_.TopOfLane(lane);
    if (top >= client.bottom) break;
    const RECT row{0, top, client.right, top + TimelineGeometry::kLaneHeight};
    if (lane % 2) FillBox(dc, row, kLaneShade);
    RECT label{6, top, TimelineGeometry::kLabelWidth - 4, row.bottom};
    SetTextColor(dc, kLabelText);
    const std::string name =
        KeyNameOfUsage(lanes[static_cast<std::size_t>(lane)], CurrentKeyboardLayout());
    DrawTextA(dc, name.c_str(), static_cast<int>(name.size()), &label,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  FillBox(dc,
          RECT{TimelineGeometry::kLabelWidth - 1, 0, TimelineGeometry::kLabelWidth, client.bottom},
          kGrid);
}

void CTimelineCanvas::PaintBars(HDC dc, const RECT& client) {
  const HRGN lanesArea = CreateRectRgn(TimelineGeometry::kLabelWidth, TimelineGeometry::kAxisHeight,
                                       client.right, client.bottom);
  SelectClipRgn(dc, lanesArea);
  DeleteObject(lanesArea);
  const auto& bars = timeline_.Bars();
  for (int i = 0; i < static_cast<int>(bars.size()); ++i) {
    const MacroBar& bar = bars[static_cast<std::size_t>(i)];
    const int top = geometry_.TopOfLane(timeline_.LaneOf(i)) + TimelineGeometry::kBarInset;
    const int left = geometry_.XOfTime(bar.pressTime);
    const int right = std::max(geometry_.XOfTime(bar.releaseTime), left + 3);
    const RECT box{left, top, right,
                   top + TimelineGeometry::kLaneHeight - 2 * TimelineGeometry::kBarInset};
    if (box.right < TimelineGeometry::kLabelWidth || box.left > client.right) continue;
    PaintBar(dc, box, i == selected_, bar.code >= 0xF0);
  }
  SelectClipRgn(dc, nullptr);
}

void CTimelineCanvas::PaintBar(HDC dc, const RECT& box, bool selected, bool mouse) const {
  const HBITMAP lit = barSkin_.Image(SkinRole::kPressed);
  const SIZE size = BitmapSize(lit);
  const int width = box.right - box.left, height = box.bottom - box.top;
  if (!lit || size.cx < 2 * kBarCap + kBarSegment || width < 2 * kBarCap) {
    FillBox(dc, box, kBarFallback);
  } else {
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    const HGDIOBJ old = SelectObject(source.get(), lit);
    SetStretchBltMode(dc, COLORONCOLOR);
    const auto copy = [&](int x, int w, int sourceX, int sourceW) {
      StretchBlt(dc, box.left + x, box.top, w, height, source.get(), sourceX, 0, sourceW, size.cy,
                 SRCCOPY);
    };
    copy(0, kBarCap, 0, kBarCap);
    for (int x = kBarCap; x < width - kBarCap; x += kBarSegment)
      copy(x, std::min(kBarSegment, width - kBarCap - x), kBarCap,
           std::min(kBarSegment, width - kBarCap - x));
    copy(width - kBarCap, kBarCap, size.cx - kBarCap, kBarCap);
    SelectObject(source.get(), old);
  }
  // Mouse buttons wear an amber top line; the selected bar an amber frame.
  if (mouse) FillBox(dc, RECT{box.left, box.top, box.right, box.top + 2}, kMouseBar);
  if (selected) {
    UniqueBrush frame(CreateSolidBrush(kSelectedBar));
    FrameRect(dc, &box, frame.get());
  }
}

LRESULT CTimelineCanvas::OnLeftButtonDown(LPARAM lParam) {
  SetFocus(hwnd());
  const int x = GET_X_LPARAM(lParam);
  const TimelineGeometry::Hit hit = geometry_.HitTest(timeline_, x, GET_Y_LPARAM(lParam));
  SelectBar(hit.bar);
  if (hit.bar < 0) return 0;
  const MacroBar& bar = timeline_.Bars()[static_cast<std::size_t>(hit.bar)];
  drag_ = hit.releaseEdge ? Drag::kRelease : Drag::kMove;
  grabOffset_ = static_cast<std::int64_t>(hit.releaseEdge ? bar.releaseTime : bar.pressTime) -
                geometry_.TimeOfX(x);
  dragChanged_ = false;
  SetCapture(hwnd());
  return 0;
}

LRESULT CTimelineCanvas::OnMouseMove(LPARAM lParam) {
  if (drag_ == Drag::kNone || selected_ < 0) return 0;
  const std::int64_t time = geometry_.TimeOfX(GET_X_LPARAM(lParam)) + grabOffset_;
  const bool changed = drag_ == Drag::kMove ? timeline_.MoveBar(selected_, time)
                                            : timeline_.SetBarRelease(selected_, time);
  if (changed) {
    dragChanged_ = true;
    InvalidateRect(hwnd(), nullptr, FALSE);
  }
  return 0;
}

LRESULT CTimelineCanvas::OnLeftButtonUp() {
  if (drag_ != Drag::kNone) ReleaseCapture();  // ends the drag (WM_CAPTURECHANGED)
  return 0;
}

void CTimelineCanvas::EndDrag() {
  if (drag_ == Drag::kNone) return;
  drag_ = Drag::kNone;
  if (!dragChanged_) return;
  dragChanged_ = false;
  UpdateScrollBars();
  edited_();
}

LRESULT CTimelineCanvas::OnDoubleClick(LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int lane = geometry_.LaneAtY(GET_Y_LPARAM(lParam));
  const auto& lanes = timeline_.Lanes();
  if (x < TimelineGeometry::kLabelWidth || lane < 0 || lane >= static_cast<int>(lanes.size()))
    return 0;
  if (geometry_.HitTest(timeline_, x, GET_Y_LPARAM(lParam)).bar >= 0) return 0;
  const auto at = static_cast<std::uint32_t>(std::max<std::int64_t>(0, geometry_.TimeOfX(x)));
  if (const auto bar = timeline_.AddBar(lanes[static_cast<std::size_t>(lane)], at, kNewBarLength)) {
    selected_ = *bar;
    Refresh();
    edited_();
  }
  return 0;
}

LRESULT CTimelineCanvas::OnKeyDown(WPARAM key) {
  if (key == VK_DELETE && timeline_.DeleteBar(selected_)) {
    selected_ = -1;
    Refresh();
    edited_();
  } else if (key == VK_LEFT || key == VK_RIGHT) {
    OnScroll(SB_HORZ, key == VK_LEFT ? SB_LINEUP : SB_LINEDOWN);
  }
  return 0;
}

LRESULT CTimelineCanvas::OnSetCursor(LPARAM lParam) {
  if (LOWORD(lParam) == HTCLIENT) {
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(hwnd(), &at);
    const TimelineGeometry::Hit hit = geometry_.HitTest(timeline_, at.x, at.y);
    const bool resize = drag_ == Drag::kRelease || (drag_ == Drag::kNone && hit.releaseEdge);
    const bool move = drag_ == Drag::kMove || (drag_ == Drag::kNone && hit.bar >= 0);
    SetCursor(LoadCursor(nullptr, resize ? IDC_SIZEWE : move ? IDC_SIZEALL : IDC_ARROW));
    return TRUE;
  }
  return Default(WM_SETCURSOR, 0, lParam);
}

void CTimelineCanvas::UpdateScrollBars() {
  if (!hwnd()) return;
  RECT client;
  GetClientRect(hwnd(), &client);
  const int lanesWidth = std::max<int>(1, client.right - TimelineGeometry::kLabelWidth);
  const int ms = geometry_.MsPerPixel();
  // A second of room behind the last bar, to drag bars into.
  const auto total = static_cast<int>((timeline_.EndTime() + 1000) / static_cast<unsigned>(ms));
  SCROLLINFO horizontal{sizeof(SCROLLINFO),
                        SIF_ALL,
                        0,
                        std::max(total, lanesWidth),
                        static_cast<UINT>(lanesWidth),
                        static_cast<int>(geometry_.firstTime / static_cast<unsigned>(ms)),
                        0};
  SetScrollInfo(hwnd(), SB_HORZ, &horizontal, TRUE);
  horizontal.fMask = SIF_POS;
  GetScrollInfo(hwnd(), SB_HORZ, &horizontal);
  geometry_.firstTime = static_cast<std::uint32_t>(horizontal.nPos) * static_cast<unsigned>(ms);
  const int visibleLanes =
      std::max(1, (static_cast<int>(client.bottom) - TimelineGeometry::kAxisHeight) /
                      TimelineGeometry::kLaneHeight);
  const auto lanes = static_cast<int>(timeline_.Lanes().size());
  SCROLLINFO vertical{
      sizeof(SCROLLINFO),  SIF_ALL, 0, std::max(lanes - 1, 0), static_cast<UINT>(visibleLanes),
      geometry_.firstLane, 0};
  SetScrollInfo(hwnd(), SB_VERT, &vertical, TRUE);
  vertical.fMask = SIF_POS;
  GetScrollInfo(hwnd(), SB_VERT, &vertical);
  geometry_.firstLane = vertical.nPos;
}

LRESULT CTimelineCanvas::OnScroll(int bar, WPARAM wParam) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd(), bar, &info);
  const int line = bar == SB_HORZ ? 20 : 1;
  int pos = info.nPos;
  switch (LOWORD(wParam)) {
    case SB_LINEUP:
      pos -= line;
      break;
    case SB_LINEDOWN:
      pos += line;
      break;
    case SB_PAGEUP:
      pos -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      pos += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      pos = info.nTrackPos;
      break;
    default:
      return 0;
  }
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(hwnd(), bar, &info, TRUE);
  GetScrollInfo(hwnd(), bar, &info);
  if (bar == SB_HORZ)
    geometry_.firstTime =
        static_cast<std::uint32_t>(info.nPos) * static_cast<unsigned>(geometry_.MsPerPixel());
  else
    geometry_.firstLane = info.nPos;
  InvalidateRect(hwnd(), nullptr, FALSE);
  return 0;
}

}  // namespace brelfx
