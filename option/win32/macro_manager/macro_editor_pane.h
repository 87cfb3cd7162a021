// The macro manager's editor area: the list editor (record button, delay and
// loop switches, loop count, event list with its context menu) and the
// timeline view, one of them shown at a time. The manager owns the sets and
// the macro list; the pane edits the one macro it is shown.
#pragma once

#include <windows.h>

#include <memory>

#include "settings/macro_library.h"

namespace brelfx {

// Which notice a command gives when it has nothing to work on.
enum class MacroNotice { kNoSetSelected, kNoMacroSelected };

class MacroEditorHost {
 public:
  virtual ~MacroEditorHost() = default;
  // The shown macro's events, event count or loop value changed: its set
  // becomes modified.
  virtual void MacroEdited() = 0;
  // Recording started (true) or stopped (false): the rest of the manager is
  // disabled while it runs.
  virtual void RecordingChanged(bool recording) = 0;
  // A command needed a selected set or macro: shows the skinned notice.
  virtual void ShowNotice(MacroNotice notice) = 0;
};

class CMacroEditorPane {
 public:
  explicit CMacroEditorPane(MacroEditorHost& host);
  ~CMacroEditorPane();  // stops recording: the keyboard is never left captured
  CMacroEditorPane(const CMacroEditorPane&) = delete;
  CMacroEditorPane& operator=(const CMacroEditorPane&) = delete;

  // Builds both views as children of the manager in `area` (manager client
  // coordinates, the "CHILD_POS" rectangle); the list editor is shown.
  bool Create(HWND manager, const RECT& area);

  // Shows `macro` (nullptr: none; then `setSelected` picks the notice). The
  // pointer must stay valid until the next ShowMacro, Commit or destruction.
  // Timeline edits of the previous macro are converted back first.
  void ShowMacro(MacroRecord* macro, bool setSelected);

  // "BUTTON_Switch_editor": toggles the views; leaving the timeline converts
  // its edited bars back into the macro.
  void SwitchView();
  bool TimelineShown() const;

  // Before OK: stops recording and converts edited timeline bars back.
  void Commit();
  // Before Cancel or any other way out: stops recording, removes the hook.
  void StopRecording();
  bool Recording() const;

 private:
  struct Views;
  std::unique_ptr<Views> views_;
};

}  // namespace brelfx
