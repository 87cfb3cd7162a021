#include "monitor/win32/monitor_wnd.h"

#include "device/zendrel_api.h"
#include "monitor/keyboard/device_event.h"
#include "monitor/monitor_messages.h"
#include "monitor/timer_ids.h"
#include "monitor/win32/monitor_program.h"
#include "platform/log.h"
#include "platform/win32/handles.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

constexpr char kClassName[] = "BrelFXMonitorWindow";

}  // namespace

TalkMessages RegisterTalkMessages() {
  TalkMessages m;
  m.activeStatusFromTalk = RegisterWindowMessageA(kTalkMessageNames[0]);
  m.activeStatusToTalk = RegisterWindowMessageA(kTalkMessageNames[1]);
  m.monitorStatusChange = RegisterWindowMessageA(kTalkMessageNames[2]);
  m.ambientLightFromTalk = RegisterWindowMessageA(kTalkMessageNames[3]);
  m.deviceStatusToTalkMonitor = RegisterWindowMessageA(kTalkMessageNames[4]);
  m.talk = RegisterWindowMessageA(kTalkMessageNames[5]);
  return m;
}

CMonitorWnd::CMonitorWnd(std::string programPath, bool openOption, const TalkMessages& talkMessages)
    // The monitor has no controls: nothing is reflected, so no message of
    // another program is ever read as one of its objects.
    : Window(Reflection::kNone),
      programPath_(std::move(programPath)),
      openOption_(openOption),
      talkMessages_(talkMessages) {}

CMonitorWnd::~CMonitorWnd() {
  DestroyWindowNow();
}

bool CMonitorWnd::Create() {
  RegisterWindowClass(kClassName);
  const RECT rect{100, 100, 200, 200};
  // A tool window: no taskbar button for the hidden window.
  return CreateWindowObject(WS_EX_TOOLWINDOW, kClassName, kMonitorWindowTitle, WS_POPUP, rect,
                            nullptr, nullptr) != nullptr;
}

// Not handled here yet, so it gets the default answer: timer 500 (foreground
// watch).
LRESULT CMonitorWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_DESTROY:
      return OnDestroy();
    case WM_CLOSE:
      DestroyWindow(hwnd());
      return 0;
    case WM_TIMER:
      return OnTimer(wParam);
    case WM_DEVICECHANGE:
      return TRUE;
    case WM_COPYDATA:
      return OnCopyData(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam));
    case WM_TRAY_NOTIFY:
      return OnTrayNotify(static_cast<UINT>(lParam));
    case WM_DEVICE_EVENT:
      program_->monitor().OnDeviceEvent(DecodeDeviceEventMessage(wParam, lParam));
      return 1;
    case WM_DEVICE_PLUG:
      program_->monitor().OnDeviceEvent(DecodePlugMessage(wParam));
      return 1;
    case WM_DEVICE_SPARE:
      return 1;
    // Apply is sent: the option application waits until the keyboard is written.
    case WM_APPLY_SETTINGS:
    case WM_INFODATA_CHANGED:
    case WM_RELOAD_SETTINGS_A:
    case WM_RELOAD_KEY_REPEAT:
    case WM_RELOAD_SETTINGS_B:
    case WM_RELOAD_IGNORED_A:
    case WM_RELOAD_IGNORED_B:
      program_->monitor().OnOptionCommand(message, wParam);
      return 0;
    case WindowThreadTimers::kWakeMessage:
      program_->timers().OnWake();
      return 0;
    case WM_TALK_STATUS:
      program_->talk().OnCommand(static_cast<unsigned int>(wParam), lParam);
      return 0;
    default:
      return OnRegisteredMessage(message, wParam, lParam);
  }
}

LRESULT CMonitorWnd::OnCreate() {
  program_ = std::make_unique<MonitorProgram>(hwnd(), programPath_);
  MonitorStart start;
  start.programPath = programPath_;
  start.openOption = openOption_;
  start.window = reinterpret_cast<WindowId>(hwnd());
  start.talkMessage = talkMessages_.talk;
  start.systemLanguageId = GetSystemDefaultLangID();
  return program_->monitor().Create(start) ? 0 : -1;
}

LRESULT CMonitorWnd::OnDestroy() {
  if (program_) program_->monitor().Destroy();
  program_.reset();
  PostQuitMessage(0);
  return 0;
}

LRESULT CMonitorWnd::OnTimer(UINT_PTR id) {
  program_->OnTimer(static_cast<int>(id));
  return 0;
}

// The registered messages of the Talk link; their numbers are known only at
// run time.
LRESULT CMonitorWnd::OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == talkMessages_.talk && talkMessages_.talk != 0) {
    program_->talk().OnTalkMessage(static_cast<unsigned int>(wParam), lParam);
    return 0;
  }
  if (message == talkMessages_.ambientLightFromTalk && talkMessages_.ambientLightFromTalk != 0) {
    program_->talk().OnAmbientLightRequest();
    return 0;
  }
  return Default(message, wParam, lParam);
}

// Any program can send copy-data of any size. The Talk link reads no byte of
// a payload unless it has exactly the size of a record it takes; the answer
// is 1 in every case.
LRESULT CMonitorWnd::OnCopyData(WPARAM wParam, const COPYDATASTRUCT* data) {
  const DWORD size = data && data->lpData ? data->cbData : 0;
  DebugLog("OnCopyData: wParam=%d, %lu bytes\r\n", static_cast<int>(wParam),
           static_cast<unsigned long>(size));
  program_->talk().OnCopyData({size ? static_cast<const std::uint8_t*>(data->lpData) : nullptr,
                               static_cast<std::size_t>(size)});
  return TRUE;
}

LRESULT CMonitorWnd::OnCommand(UINT id) {
  switch (id) {
    case ID_CONFIGURATION:
      program_->monitor().OpenOptionApplication();
      return 0;
    case ID_EXIT:
      PostMessageA(hwnd(), WM_CLOSE, 0, 0);
      return 0;
    default:
      return 0;
  }
}

LRESULT CMonitorWnd::OnTrayNotify(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      program_->shell().BringToFront(reinterpret_cast<WindowId>(GetLastActivePopup(hwnd())));
      return 0;
    case WM_LBUTTONDBLCLK:
      program_->monitor().OpenOptionApplication();
      return 0;
    case WM_RBUTTONDOWN:
      ShowTrayMenu();
      return 0;
    default:
      return 0;
  }
}

void CMonitorWnd::ShowTrayMenu() {
  // The window must be in front, or the menu does not close when the user
  // clicks elsewhere.
  SetForegroundWindow(hwnd());
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  AppendMenuA(menu.get(), MF_STRING, ID_CONFIGURATION, "Configuration");
  SetMenuDefaultItem(menu.get(), ID_CONFIGURATION, FALSE);
  AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu.get(), MF_STRING, ID_EXIT, "Exit");
  POINT cursor{};
  GetCursorPos(&cursor);
  TrackPopupMenu(menu.get(), TPM_LEFTBUTTON, cursor.x, cursor.y, 0, hwnd(), nullptr);
  PostMessageA(hwnd(), WM_NULL, 0, 0);
}

}  // namespace brelfx
