#include "option/app/apply_progress.h"

#include <algorithm>

namespace brelfx {

int ApplyProgressFill(long long written, long long planned, int width) {
  if (planned <= 0 || written <= 0 || width <= 0) return 0;
  written = std::min(written, planned);
  return static_cast<int>(written * width / planned);
}

}  // namespace brelfx
