// How far a long keyboard sequence has come, for whoever shows it to the
// user: reports done out of reports planned. Called on the thread that runs
// the sequence.
#pragma once

#include <functional>

namespace brelfx {

using SyncProgress = std::function<void(int done, int planned)>;

// The observers of Send changes (an apply) and Full device sync. Empty ones
// are skipped.
struct SyncProgressObservers {
  SyncProgress sending;
  SyncProgress reading;
};

// Counts one run of a sequence for its observer: 0 of planned when made, one
// more after each report.
class ProgressCount {
 public:
  ProgressCount(const SyncProgress& observer, int planned);
  void Step();
  // The plan grew or shrank once more was known (the macro keys read back).
  void Replan(int planned);

 private:
  void Tell() const;

  const SyncProgress& observer_;
  int done_ = 0;
  int planned_;
};

}  // namespace brelfx
