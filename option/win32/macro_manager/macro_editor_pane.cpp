#include "option/win32/macro_manager/macro_editor_pane.h"

#include "option/win32/macro_manager/editor/macro_list_view.h"
#include "option/win32/macro_manager/editor/macro_timeline_view.h"

namespace brelfx {

struct CMacroEditorPane::Views {
  explicit Views(MacroEditorHost& host) : list(host), timeline(host) {}
  CMacroListView list;
  CMacroTimelineView timeline;
  MacroRecord* macro = nullptr;
  bool setSelected = false;
  bool timelineShown = false;
};

CMacroEditorPane::CMacroEditorPane(MacroEditorHost& host) : views_(std::make_unique<Views>(host)) {}

CMacroEditorPane::~CMacroEditorPane() = default;

bool CMacroEditorPane::Create(HWND manager, const RECT& area) {
  return views_->list.Create(manager, area) && views_->timeline.Create(manager, area);
}

void CMacroEditorPane::ShowMacro(MacroRecord* macro, bool setSelected) {
  Views& v = *views_;
  v.list.StopRecording();
  if (v.timelineShown) v.timeline.CommitEdits();
  v.macro = macro;
  v.setSelected = setSelected;
  v.list.ShowMacro(macro, setSelected);
  v.timeline.ShowMacro(macro, setSelected);
}

void CMacroEditorPane::SwitchView() {
  Views& v = *views_;
  v.list.StopRecording();
  if (v.timelineShown) {
    v.timeline.CommitEdits();
    v.list.Reload();
  } else {
    v.timeline.ShowMacro(v.macro, v.setSelected);
  }
  v.timelineShown = !v.timelineShown;
  ShowWindow(v.timeline.hwnd(), v.timelineShown ? SW_SHOW : SW_HIDE);
  ShowWindow(v.list.hwnd(), v.timelineShown ? SW_HIDE : SW_SHOW);
}

bool CMacroEditorPane::TimelineShown() const {
  return views_->timelineShown;
}

void CMacroEditorPane::Commit() {
  views_->list.StopRecording();
  if (views_->timelineShown) views_->timeline.CommitEdits();
}

void CMacroEditorPane::StopRecording() {
  views_->list.StopRecording();
}

bool CMacroEditorPane::Recording() const {
  return views_->list.Recording();
}

}  // namespace brelfx
