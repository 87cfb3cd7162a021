// Helper process of the input injection test: watches the system's input
// with low-level keyboard and mouse hooks and writes every injected event to
// a file, one line each, when told to stop, and the event times (system
// milliseconds, one line each) to the same file name with ".times".
//   input_witness.exe LOG_FILE READY_EVENT STOP_EVENT
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> seen;
std::vector<DWORD> times;

void Note(DWORD time, const char* format, unsigned a, unsigned b) {
  char line[64];
  std::snprintf(line, sizeof(line), format, a, b);
  seen.emplace_back(line);
  times.push_back(time);
}

// Left and right modifiers are reported as one, as the player sends them.
unsigned Unsided(unsigned vk) {
  if (vk == VK_LSHIFT || vk == VK_RSHIFT) return VK_SHIFT;
  if (vk == VK_LCONTROL || vk == VK_RCONTROL) return VK_CONTROL;
  if (vk == VK_LMENU || vk == VK_RMENU) return VK_MENU;
  return vk;
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && (key->flags & LLKHF_INJECTED)) {
    const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
    Note(key->time, up ? "%x- %x" : "%x+ %x", Unsided(key->vkCode), key->scanCode);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && (mouse->flags & LLMHF_INJECTED) && wParam != WM_MOUSEMOVE) {
    Note(mouse->time, "mouse %x/%u", static_cast<unsigned>(wParam), HIWORD(mouse->mouseData));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
  HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
  if (!ready || !stop) return 3;
  HHOOK keyboard = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0);
  HHOOK mouse = SetWindowsHookExA(WH_MOUSE_LL, MouseHook, GetModuleHandleA(nullptr), 0);
  if (!keyboard || !mouse) return 4;
  SetEvent(ready);

  // Hooks run in this thread's message loop; it must keep pumping.
  const ULONGLONG giveUp = GetTickCount64() + 30000;
  while (GetTickCount64() < giveUp) {
    const DWORD woke = MsgWaitForMultipleObjects(1, &stop, FALSE, 100, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) break;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  UnhookWindowsHookEx(keyboard);
  UnhookWindowsHookEx(mouse);

  std::FILE* log = std::fopen(argv[1], "w");
  if (!log) return 5;
  for (const std::string& line : seen) std::fprintf(log, "%s\n", line.c_str());
  std::fclose(log);
  std::FILE* timeLog = std::fopen((std::string(argv[1]) + ".times").c_str(), "w");
  if (!timeLog) return 5;
  for (const DWORD time : times) std::fprintf(timeLog, "%lu\n", static_cast<unsigned long>(time));
  std::fclose(timeLog);
  return 0;
}
