#include "option/win32/macro_manager/editor/macro_list_view.h"

#include <cstdlib>

#include "option/app/macro_editor/macro_editor_layout.h"
#include "option/app/macro_editor/macro_key_codes.h"
#include "option/skin/layout_string.h"
#include "option/skin/skin_messages.h"
#include "option/skin/win32/help_text.h"
#include "option/skin/win32/offscreen.h"
#include "option/skin/win32/placement.h"
#include "option/skin/win32/skin_menu.h"
#include "option/win32/macro_manager/editor/macro_editor_art.h"
#include "option/win32/macro_manager/editor/macro_menu_ids.h"
#include "platform/win32/current_keyboard_layout.h"

namespace brelfx {
namespace {

constexpr const char* kViewClass = "BrelFX.MacroListEditor";
using namespace macro_editor;
constexpr std::size_t kDelayTextLimit = 20;

int ReadNumber(const std::string& text) {
  return std::atoi(text.c_str());
}

}  // namespace

CMacroListView::CMacroListView(MacroEditorHost& host)
    : SkinWindow(DragMoves::kParent), host_(host), recorder_(CurrentKeyboardLayout()) {}

CMacroListView::~CMacroListView() {
  // The host may be going away too: only the keyboard is given back.
  capture_.Stop();
  recorder_.Stop();
  DestroyWindowNow();
}

bool CMacroListView::Create(HWND parent, const RECT& rect) {
  if (!RegisterWindowClass(kViewClass)) return false;
  return CreateWindowObject(WS_EX_CONTROLPARENT, kViewClass, "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent,
                            nullptr) != nullptr;
}

LRESULT CMacroListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CAPTURED_KEY:
      OnCapturedKey(wParam, lParam);
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(lParam);
      return 0;
    case WM_EDIT_NOTIFY:
      if (wParam == kEditNotifyEnter) OnLoopFieldDone();
      return 0;
    default:
      if (message == BitmapEditKillFocusMessage()) {
        OnLoopFieldDone();
        return 0;
      }
      return SkinWindow::HandleMessage(message, wParam, lParam);
  }
}

LRESULT CMacroListView::OnCreate() {
  if (!LoadSkin(MacroListEditorSkin())) return -1;
  recordingSkin_.Load(MacroRecordingSkin());
  menuFont_ = CreateSkinFont("Arial", 14, 5);
  const HWND self = hwnd();
  PlaceSkinButton(self, record_, kRecord, skin());
  PlaceSkinButton(self, delaySwitch_, kDelaySwitch, skin(), true);
  PlaceSkinButton(self, loopSwitch_, kLoopSwitch, skin(), true);
  delaySwitch_.SetChecked(true);
  loopField_.Create(WS_VISIBLE | WS_TABSTOP | ES_CENTER, ToRect(ParseLayoutString(kLoopField).rect),
                    self, kLoopFieldId);
  loopField_.SetColors(RGB(230, 236, 244), RGB(8, 9, 11));
  loopField_.SetNumeric(true);
  loopField_.SetTextLimit(3);
  loopField_.ApplyFont();
  list_.Create(self, ToRect(ParseLayoutString(kEventList).rect), kEventListId);
  ShowLoop();
  return 0;
}

void CMacroListView::ShowMacro(MacroRecord* macro, bool setSelected) {
  StopRecording();
  macro_ = macro;
  setSelected_ = setSelected;
  Reload();
}

void CMacroListView::Reload() {
  events_ = macro_ ? EventsOfMacro(*macro_) : MacroEvents{};
  Fill(-1, false);
  ShowLoop();
}

bool CMacroListView::HaveMacro() {
  if (macro_) return true;
  host_.ShowNotice(setSelected_ ? MacroNotice::kNoMacroSelected : MacroNotice::kNoSetSelected);
  return false;
}

void CMacroListView::Fill(int selectEvent, bool delayRow) {
  rows_ = MacroEventRows(events_, CurrentKeyboardLayout());
  SendMessageA(list_.hwnd(), WM_SETREDRAW, FALSE, 0);
  list_.Clear();
  for (const MacroEventRow& row : rows_) list_.AddRow(row.text, row.itemData);
  const int row = MacroRowOfEvent(rows_, selectEvent, delayRow);
  if (row >= 0) list_.Select(row);
  SendMessageA(list_.hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_.hwnd(), nullptr, TRUE);
}

void CMacroListView::Store(int selectEvent, bool delayRow) {
  if (!macro_) return;
  StoreEvents(events_, *macro_);
  Fill(selectEvent, delayRow);
  host_.MacroEdited();
}

MacroRowTarget CMacroListView::SelectedTarget() const {
  const int row = list_.Selected();
  return row < 0 ? MacroRowTarget{} : MacroRowTargetOf(list_.ItemData(row));
}

void CMacroListView::OnCommand(unsigned id, unsigned notification, HWND control) {
  if (control && control == record_.hwnd()) {
    if (Recording())
      StopRecording();
    else if (HaveMacro())
      StartRecording(-1);
  } else if (control && control == loopSwitch_.hwnd()) {
    OnLoopSwitch();
  } else if (!control && notification == 0) {
    OnMenuCommand(id);
  }
}

bool CMacroListView::StartRecording(int insertAt) {
  if (!macro_ || Recording()) return false;
  if (insertAt < 0) events_.clear();
  const int at = insertAt < 0 ? static_cast<int>(events_.size()) : insertAt;
  if (!recorder_.Start(events_, at, delaySwitch_.IsChecked())) return false;
  if (!capture_.Start(hwnd())) {
    recorder_.Stop();
    events_ = EventsOfMacro(*macro_);
    return false;
  }
  SetRecordLook(true);
  Fill(-1, false);
  for (HWND control : {list_.hwnd(), delaySwitch_.hwnd(), loopSwitch_.hwnd(), loopField_.hwnd()})
    EnableWindow(control, FALSE);
  host_.RecordingChanged(true);
  SetFocus(hwnd());
  return true;
}

void CMacroListView::StopRecording() {
  if (!capture_.IsActive() && !recorder_.Recording()) return;
  capture_.Stop();
  const int last = recorder_.InsertionPoint() - 1;
  recorder_.Stop();
  SetRecordLook(false);
  for (HWND control : {list_.hwnd(), delaySwitch_.hwnd(), loopSwitch_.hwnd(), loopField_.hwnd()})
    EnableWindow(control, TRUE);
  Store(last);
  host_.RecordingChanged(false);
}

void CMacroListView::OnCapturedKey(WPARAM vk, LPARAM info) {
  if (!recorder_.Recording()) return;
  // The key's own time stamp, not the time this message is handled.
  const std::uint32_t tick = CapturedKeyTime(info);
  const MacroRecorder::Outcome outcome = recorder_.OnKey(
      static_cast<unsigned>(vk), CapturedKeyScanCode(info), CapturedKeyReleased(info), tick);
  if (outcome == MacroRecorder::Outcome::kIgnored) return;
  Fill(recorder_.InsertionPoint() - 1, false);
  const int row = list_.Selected();
  if (row >= 0)
    SendMessageA(list_.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, row - 10)), 0);
  if (outcome == MacroRecorder::Outcome::kFull) StopRecording();
}

void CMacroListView::SetRecordLook(bool recording) {
  const RECT rect = ToRect(ParseLayoutString(kRecord).rect);
  if (recording && recordingSkin_.Image(SkinRole::kNormal)) {
    record_.SetSkinParts(RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top},
                         recordingSkin_);
  } else {
    record_.SetSkinParts(rect, skin());
  }
  InvalidateRect(record_.hwnd(), nullptr, FALSE);
}

void CMacroListView::OnContextMenu(LPARAM position) {
  if (Recording()) return;
  CSkinMenu buttons[3] = {CSkinMenu(menuFont_.get()), CSkinMenu(menuFont_.get()),
                          CSkinMenu(menuFont_.get())};
  CSkinMenu mouse(menuFont_.get());
  CSkinMenu menu(menuFont_.get());
  static constexpr const char* kActions[] = {"Down", "Up", "Click"};
  static constexpr const char* kButtons[] = {"Left Button", "Right Button", "Wheel"};
  for (int b = 0; b < 3; ++b) {
    buttons[b].SetMinWidth(40);
    for (int a = 0; a < 3; ++a)
      buttons[b].AppendItem(kMenuMouseFirst + static_cast<unsigned>(b * 3 + a), kActions[a]);
  }
  mouse.SetMinWidth(100);
  for (int b = 0; b < 3; ++b) mouse.AppendItem(0, kButtons[b], &buttons[b]);
  menu.SetMinWidth(140);
  menu.AppendItem(kMenuRecordBefore, "Start Record before");
  menu.AppendItem(kMenuRecordAfter, "Start Record after");
  menu.AppendItem(kMenuInsertDelay, "Insert Delay");
  menu.AppendItem(0, "Insert Mouse Event", &mouse);
  menu.AppendItem(kMenuEditDelay, "Edit Delay");
  menu.AppendItem(kMenuDelete, "Delete");
  list_.TrackContextMenu(menu, hwnd(), position);
}

void CMacroListView::OnMenuCommand(unsigned id) {
  if (id < kMenuRecordBefore || id > kMenuMouseLast || (id > kMenuDelete && id < kMenuMouseFirst)) {
    return;
  }
  if (!HaveMacro()) return;
  const MacroRowTarget target = SelectedTarget();
  const int count = static_cast<int>(events_.size());
  const int after = target.event < 0 ? count : target.event + 1;
  switch (id) {
    case kMenuRecordBefore:
      // A delay row lies behind its event: "before" it is still behind the event.
      StartRecording(target.event < 0 || target.delay ? after : target.event);
      return;
    case kMenuRecordAfter:
      StartRecording(after);
      return;
    case kMenuInsertDelay:
      if (!target.delay && InsertDelayBefore(events_, target.event)) {
        Store(target.event - 1, true);
        EditDelay(target.event - 1);
      }
      return;
    case kMenuEditDelay:
      if (target.delay) EditDelay(target.event);
      return;
    case kMenuDelete:
      if (target.delay ? DeleteDelay(events_, target.event) : DeleteEvent(events_, target.event))
        Store(std::min(target.event, static_cast<int>(events_.size()) - 1));
      return;
    default: {
      const unsigned index = id - kMenuMouseFirst;
      const auto code = static_cast<std::uint8_t>(kMouseLeft + index / 3);
      const auto action = static_cast<MouseAction>(index % 3);
      if (InsertMouseEvent(events_, after, code, action)) Store(after);
    }
  }
}

void CMacroListView::EditDelay(int position) {
  const int row = MacroRowOfEvent(rows_, position, true);
  list_.EditRow(row, kDelayTextLimit, [this, position](std::optional<std::string> text) {
    if (!text) {
      Fill(position, true);
      return;
    }
    if (SetDelay(events_, position, DelayOfText(*text))) Store(position, true);
  });
}

void CMacroListView::ShowLoop() {
  const int loop = macro_ ? ClampLoopField(macro_->Loop) : 1;
  loopSwitch_.SetChecked(loop > 1);
  loopField_.SetTextSilently(std::to_string(loop));
}

void CMacroListView::OnLoopFieldDone() {
  const std::string text = loopField_.Text();
  const int loop = ClampLoopField(ReadNumber(text));
  if (std::to_string(loop) != text) loopField_.SetTextSilently(std::to_string(loop));
  if (!macro_ || !loopSwitch_.IsChecked() || macro_->Loop == loop) return;
  macro_->Loop = loop;
  host_.MacroEdited();
}

void CMacroListView::OnLoopSwitch() {
  if (!HaveMacro()) {
    loopSwitch_.SetChecked(false);
    return;
  }
  const int loop = LoopValue(loopSwitch_.IsChecked(), ReadNumber(loopField_.Text()));
  if (macro_->Loop == loop) return;
  macro_->Loop = loop;
  host_.MacroEdited();
}

}  // namespace brelfx
