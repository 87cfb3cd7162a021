#include "option/win32/macro_manager/editor/macro_timeline_view.h"

#include "option/app/macro_editor/macro_editor_layout.h"
#include "option/app/macro_editor/macro_key_codes.h"
#include "option/skin/layout_string.h"
#include "option/skin/win32/placement.h"
#include "option/win32/macro_manager/editor/macro_editor_art.h"

namespace brelfx {
namespace {

constexpr const char* kViewClass = "BrelFX.MacroTimeline";
using namespace macro_editor;
constexpr std::uint32_t kGapBeforeNewBar = 50;
constexpr std::uint32_t kNewBarLength = 100;

}  // namespace

CMacroTimelineView::CMacroTimelineView(MacroEditorHost& host)
    : SkinWindow(DragMoves::kParent), host_(host), canvas_(timeline_, [this] { BarsEdited(); }) {}

CMacroTimelineView::~CMacroTimelineView() {
  DestroyWindowNow();
}

bool CMacroTimelineView::Create(HWND parent, const RECT& rect) {
  if (!RegisterWindowClass(kViewClass)) return false;
  return CreateWindowObject(WS_EX_CONTROLPARENT, kViewClass, "", WS_CHILD | WS_CLIPCHILDREN, rect,
                            parent, nullptr) != nullptr;
}

LRESULT CMacroTimelineView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      return SkinWindow::HandleMessage(message, wParam, lParam);
  }
}

LRESULT CMacroTimelineView::OnCreate() {
  if (!LoadSkin(MacroTimelineSkin())) return -1;
  const HWND self = hwnd();
  PlaceSkinButton(self, add_, kAddBar, skin());
  PlaceSkinButton(self, delete_, kDeleteBar, skin());
  PlaceSkinButton(self, zoomIn_, kZoomIn, skin());
  PlaceSkinButton(self, zoomOut_, kZoomOut, skin());
  return canvas_.Create(self, ToRect(ParseLayoutString(kCanvas).rect)) ? 0 : -1;
}

void CMacroTimelineView::ShowMacro(MacroRecord* macro, bool setSelected) {
  macro_ = macro;
  setSelected_ = setSelected;
  if (macro_)
    timeline_.Load(EventsOfMacro(*macro_));
  else
    timeline_.Clear();
  canvas_.SelectBar(-1);
  canvas_.FitAll();
}

void CMacroTimelineView::CommitEdits() {
  if (!macro_) return;
  if (const auto events = timeline_.EditedEvents()) StoreEvents(*events, *macro_);
}

void CMacroTimelineView::BarsEdited() {
  CommitEdits();
  host_.MacroEdited();
}

void CMacroTimelineView::OnCommand(HWND control) {
  if (!control) return;
  if (control == zoomIn_.hwnd() || control == zoomOut_.hwnd()) {
    Zoom(control == zoomIn_.hwnd());
    return;
  }
  if (control != add_.hwnd() && control != delete_.hwnd()) return;
  if (!macro_) {
    host_.ShowNotice(setSelected_ ? MacroNotice::kNoMacroSelected : MacroNotice::kNoSetSelected);
    return;
  }
  if (control == add_.hwnd())
    AddBar();
  else
    DeleteBar();
}

void CMacroTimelineView::AddBar() {
  // A bar of the selected bar's key just behind it; without a selection
  // one of the first lane's key (or a left click) behind the last bar.
  const int selected = canvas_.SelectedBar();
  const auto& bars = timeline_.Bars();
  std::uint8_t code = timeline_.Lanes().empty() ? kMouseLeft : timeline_.Lanes().front();
  std::uint32_t at = bars.empty() ? 0 : timeline_.EndTime() + kGapBeforeNewBar;
  if (selected >= 0) {
    code = bars[static_cast<std::size_t>(selected)].code;
    at = bars[static_cast<std::size_t>(selected)].releaseTime + kGapBeforeNewBar;
  }
  if (const auto bar = timeline_.AddBar(code, at, kNewBarLength)) {
    canvas_.SelectBar(*bar);
    canvas_.Refresh();
    BarsEdited();
  }
}

void CMacroTimelineView::DeleteBar() {
  if (!timeline_.DeleteBar(canvas_.SelectedBar())) return;
  canvas_.SelectBar(-1);
  canvas_.Refresh();
  BarsEdited();
}

void CMacroTimelineView::Zoom(bool in) {
  TimelineGeometry& geometry = canvas_.geometry();
  if (in ? geometry.ZoomIn() : geometry.ZoomOut()) canvas_.Refresh();
}

}  // namespace brelfx
