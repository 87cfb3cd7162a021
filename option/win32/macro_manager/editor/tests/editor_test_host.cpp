#include "option/win32/macro_manager/editor/tests/editor_test_host.h"

#include <chrono>
#include <thread>

namespace brelfx::test {
namespace {

constexpr const char* kHostClass = "BrelFX.MacroEditorTestHost";
constexpr RECT kEditorArea{215, 50, 215 + 490, 50 + 365};  // "CHILD_POS,215,50,490,365,"

}  // namespace

EditorTestHost::EditorTestHost() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = CreateSolidBrush(RGB(20, 23, 28));
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kHostClass;
  RegisterClassA(&windowClass);
  window_ = CreateWindowExA(0, kHostClass, "Macro editor test host", WS_POPUP | WS_VISIBLE, 40, 40,
                            720, 470, nullptr, nullptr, windowClass.hInstance, this);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  pane_ = std::make_unique<CMacroEditorPane>(*this);
  pane_->Create(window_, kEditorArea);
  SetForegroundWindow(window_);
  PumpMessages(200);
}

EditorTestHost::~EditorTestHost() {
  pane_.reset();
  DestroyWindow(window_);
}

HWND EditorTestHost::View(const char* className) const {
  return FindWindowExA(window_, nullptr, className, nullptr);
}

LRESULT CALLBACK EditorTestHost::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* host = reinterpret_cast<EditorTestHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (host && message == WM_KEYDOWN) host->keysSeen.push_back(wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  MSG message;
  do {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  } while (std::chrono::steady_clock::now() < end);
}

KeyStrokeTimes SendKeyStroke(WORD vk, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  const DWORD before = GetTickCount();
  SendInput(1, &input, sizeof input);
  return {before, GetTickCount()};
}

}  // namespace brelfx::test
