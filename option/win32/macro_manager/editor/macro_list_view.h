// The list editor of the macro manager: the record button, the delay and
// loop switches, the loop count and the event list with its context menu.
// It edits the events of the one macro it is shown; recording runs the
// keyboard capture, which is removed on every way out of it.
#pragma once

#include <windows.h>

#include "option/app/macro_editor/macro_event_rows.h"
#include "option/app/macro_editor/macro_recorder.h"
#include "option/skin/win32/bitmap_edit.h"
#include "option/skin/win32/lists/skin_list.h"
#include "option/skin/win32/skin_button.h"
#include "option/skin/win32/skin_window.h"
#include "option/win32/dialogs/keyboard_capture.h"
#include "option/win32/macro_manager/macro_editor_pane.h"

namespace brelfx {

class CMacroListView final : public SkinWindow {
 public:
  static constexpr int kLoopFieldId = 4010;
  static constexpr int kEventListId = 4096;

  explicit CMacroListView(MacroEditorHost& host);
  ~CMacroListView() override;

  bool Create(HWND parent, const RECT& rect);
  // Shows `macro` (null: none); recording of the previous one stops first.
  void ShowMacro(MacroRecord* macro, bool setSelected);
  // The shown macro's events changed elsewhere (the timeline): refill.
  void Reload();

  bool StartRecording(int insertAt);
  void StopRecording();
  bool Recording() const { return recorder_.Recording(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnCreate();
  void OnCommand(unsigned id, unsigned notification, HWND control);
  void OnCapturedKey(WPARAM vk, LPARAM info);
  void OnContextMenu(LPARAM position);
  void OnMenuCommand(unsigned id);
  void OnLoopFieldDone();
  void OnLoopSwitch();

  // Nothing to edit: shows the notice and says false.
  bool HaveMacro();
  // Stores the events into the macro and tells the host; refills the list
  // with row `selectEvent` (its delay row when `delayRow`) selected.
  void Store(int selectEvent, bool delayRow = false);
  void Fill(int selectEvent, bool delayRow);
  MacroRowTarget SelectedTarget() const;
  void EditDelay(int position);
  void ShowLoop();
  void SetRecordLook(bool recording);

  MacroEditorHost& host_;
  MacroRecord* macro_ = nullptr;
  bool setSelected_ = false;
  MacroEvents events_;
  std::vector<MacroEventRow> rows_;
  MacroRecorder recorder_;
  KeyboardCapture capture_;
  CSkinButton record_, delaySwitch_, loopSwitch_;
  CBitmapEdit loopField_;
  CSkinList list_;
  SkinSet recordingSkin_;
  UniqueFont menuFont_;
  UINT killFocusMessage_ = 0;
};

}  // namespace brelfx
