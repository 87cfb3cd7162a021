// The timeline view of the macro manager: the shown macro as bars, the
// buttons that add and delete bars and zoom, and the canvas the mouse edits
// them on. Edits reach the macro at once; merely showing a macro never
// changes it.
#pragma once

#include <windows.h>

#include "option/app/macro_editor/macro_timeline.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_window.h"
#include "option/win32/macro_manager/editor/timeline_canvas.h"
#include "option/win32/macro_manager/macro_editor_pane.h"

namespace brelfx {

class CMacroTimelineView final : public SkinWindow {
 public:
  explicit CMacroTimelineView(MacroEditorHost& host);
  ~CMacroTimelineView() override;

  // Hidden until shown.
  bool Create(HWND parent, const RECT& rect);
  void ShowMacro(MacroRecord* macro, bool setSelected);
  // Writes edited bars into the macro (nothing when no bar was edited).
  void CommitEdits();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnCreate();
  void OnCommand(HWND control);
  void AddBar();
  void DeleteBar();
  void Zoom(bool in);
  void BarsEdited();

  MacroEditorHost& host_;
  MacroRecord* macro_ = nullptr;
  bool setSelected_ = false;
  MacroTimeline timeline_;
  CTimelineCanvas canvas_;
  CSkinButton add_, delete_, zoomIn_, zoomOut_;
};

}  // namespace brelfx
