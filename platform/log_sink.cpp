#include <cstdio>

namespace brelfx {

void WriteDebugLine(const char* line) {
  std::fputs(line, stderr);
}

}  // namespace brelfx
