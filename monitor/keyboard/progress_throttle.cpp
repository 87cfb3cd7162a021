#include "monitor/keyboard/progress_throttle.h"

#include <algorithm>
#include <cstdint>

namespace brelfx {

bool ProgressThrottle::Pass(int done, int planned) {
  if (done == 0) shownPercent_ = -1;
  const int percent = Percent(done, planned);
  // A plan that grew can lower the percentage; the bar never goes back.
  if (percent <= shownPercent_) return false;
  shownPercent_ = percent;
  return true;
}

int ProgressThrottle::Percent(int done, int planned) {
  if (planned <= 0) return 100;
  const std::int64_t percent = std::int64_t{done} * 100 / planned;
  return static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100));
}

}  // namespace brelfx
