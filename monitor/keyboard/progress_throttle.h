// Progress shown to a person changes only when its whole percentage grows:
// at most 101 updates however many reports a sequence has (a Load can plan
// several hundred), each one a visible step of a bar or a tip. No clock is
// needed: every report already takes 100 ms or more (its status poll), so a
// short apply still moves after each report.
#pragma once

namespace brelfx {

class ProgressThrottle {
 public:
  // True when (done, planned) is worth showing; done 0 starts a new run.
  bool Pass(int done, int planned);

  // 0-100; an empty plan is complete.
  static int Percent(int done, int planned);

 private:
  int shownPercent_ = -1;
};

}  // namespace brelfx
