#include "device/sync_progress.h"

namespace brelfx {

ProgressCount::ProgressCount(const SyncProgress& observer, int planned)
    : observer_(observer), planned_(planned) {
  Tell();
}

void ProgressCount::Step() {
  ++done_;
  Tell();
}

void ProgressCount::Replan(int planned) {
  planned_ = planned;
  Tell();
}

void ProgressCount::Tell() const {
  if (observer_) observer_(done_, planned_);
}

}  // namespace brelfx
