#include "platform/win32/toolhelp_foreground_process.h"

#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"

namespace brelfx {

std::uint32_t ToolhelpForegroundProcess::ForegroundProcessId() {
  const HWND window = GetForegroundWindow();
  if (!window) return 0;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::optional<std::string> ToolhelpForegroundProcess::ExecutableName(std::uint32_t processId) {
  UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) {
    LogLastError("CreateToolhelp32Snapshot");
    return std::nullopt;
  }
  // The ANSI names, like the game paths of the profiles they are compared with.
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry)) {
    if (entry.th32ProcessID == processId) return std::string(entry.szExeFile);
  }
  return std::nullopt;
}

}  // namespace brelfx
