// Runs a console program to its end under the test, collecting what it
// writes to stdout and stderr (both into one text).
#pragma once

#include <windows.h>

#include <string>

namespace brelfx::test {

struct Ran {
  DWORD exitCode = 0xFFFFFFFF;  // also when the program could not be started
  std::string output;
};

// Waits at most 20 s for the program after its output has ended.
Ran RunProgram(const std::string& program, const std::string& arguments);

// The folder of the running test program, ending with a backslash.
std::string TestProgramFolder();

}  // namespace brelfx::test
