#include "tests/support/win32/run_program.h"

#include "platform/win32/handles.h"

namespace brelfx::test {

Ran RunProgram(const std::string& program, const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  Ran ran;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return ran;
  UniqueHandle reader(readEnd), writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\" " + arguments;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process))
    return ran;
  UniqueHandle processHandle(process.hProcess), thread(process.hThread);
  writer.reset();  // the child holds the only write end now: EOF when it ends
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, chunk, sizeof(chunk), &got, nullptr) && got > 0)
    ran.output.append(chunk, got);
  WaitForSingleObject(process.hProcess, 20000);
  GetExitCodeProcess(process.hProcess, &ran.exitCode);
  return ran;
}

std::string TestProgramFolder() {
  char path[MAX_PATH];
  const std::string self(path, GetModuleFileNameA(nullptr, path, sizeof(path)));
  return self.substr(0, self.find_last_of('\\') + 1);
}

}  // namespace brelfx::test
