// "Merlo Beta Macro Manager": the modal dialog over a working copy of the
// macro library. The set selector, the macro list with New and Delete, and
// the editor area (CMacroEditorPane) that shows the selected macro; every
// decision is MacroManagerModel's.
#pragma once

#include <windows.h>

#include "option/app/macro_manager/macro_manager_model.h"
#include "option/skin/drop_down_guard.h"
#include "option/skin/win32/dialog/skin_dialog.h"
#include "option/skin/win32/lists/skin_list.h"
#include "option/win32/macro_manager/macro_editor_pane.h"
#include "platform/win32/handles.h"

namespace brelfx {

struct MacroManagerRequest {
  bool newMacro = false;  // "Create New Macro...": starts a new macro at once
  int set = -1;           // "Edit Macro..." of this set; -1 none
  const KeyAssignment* key = nullptr;  // the key whose menu opened the manager
};

class CMacroManagerDialog final : public SkinDialog, private MacroEditorHost {
 public:
  // Edits `model`'s library; on kDialogOk the caller takes it as the new one.
  CMacroManagerDialog(MacroManagerModel& model, const MacroManagerRequest& request);
  ~CMacroManagerDialog() override;

 protected:
  bool OnInitDialog() override;
  void OnOk() override;
  void OnCancel() override;
  void OnControlCommand(unsigned id, unsigned code, HWND control) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // MacroEditorHost
  void MacroEdited() override;
  void RecordingChanged(bool recording) override;
  void ShowNotice(MacroNotice notice) override;

  void OpenSetMenu();
  void OnSetMenuCommand(unsigned id);
  void AddSet();
  void DeleteSet();
  void NewMacro();
  void DeleteMacro();
  void SwitchEditor();
  // Runs a change that may move the macros in memory: the pane lets go of
  // its macro first and is shown the selection afterwards.
  template <typename Change>
  void ChangeLibrary(Change change);
  void ShowSelection();
  void OnAddSetTimer();

  MacroManagerModel& model_;
  MacroManagerRequest request_;
  std::string keySetName_;
  CMacroEditorPane pane_;
  UniqueFont menuFont_;
  DropDownGuard setMenuGuard_;
  CSkinButton setSelect_, new_, delete_, switch_, ok_, cancel_, exit_;
  CSkinList list_;
};

}  // namespace brelfx
