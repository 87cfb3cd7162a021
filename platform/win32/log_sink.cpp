#include <windows.h>

namespace brelfx {

void WriteDebugLine(const char* line) {
  OutputDebugStringA(line);
}

}  // namespace brelfx
