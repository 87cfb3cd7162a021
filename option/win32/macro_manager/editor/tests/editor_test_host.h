// A stand-in for the macro manager around the editor pane, for the pane's
// end-to-end test and its recording benchmark: a plain window in the
// manager's size and colours with the pane in the manager's editor area,
// noting what the pane tells its host and the keys that reach it.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "option/win32/macro_manager/macro_editor_pane.h"

namespace brelfx::test {

class EditorTestHost final : public MacroEditorHost {
 public:
  EditorTestHost();
  ~EditorTestHost() override;

  HWND hwnd() const { return window_; }
  CMacroEditorPane& pane() { return *pane_; }
  // The view window of a class ("BrelFX.MacroListEditor", "BrelFX.MacroTimeline").
  HWND View(const char* className) const;

  void MacroEdited() override { ++edits; }
  void RecordingChanged(bool recording) override { recordingChanges.push_back(recording); }
  void ShowNotice(MacroNotice notice) override { notices.push_back(notice); }

  int edits = 0;
  std::vector<bool> recordingChanges;
  std::vector<MacroNotice> notices;
  // Virtual keys that went down in the host window (the keyboard was free).
  std::vector<WPARAM> keysSeen;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  std::unique_ptr<CMacroEditorPane> pane_;
};

// Dispatches messages for `milliseconds`.
void PumpMessages(int milliseconds);

// A key stroke as the keyboard sends it, at once. Its time stamp lies
// between the returned tick counts: SendInput returns once the low-level
// hooks have seen the key.
struct KeyStrokeTimes {
  DWORD before, after;
};
KeyStrokeTimes SendKeyStroke(WORD vk, bool release);

}  // namespace brelfx::test
