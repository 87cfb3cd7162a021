#include "option/app/monitor_message_gate.h"

#include <algorithm>
#include <utility>

namespace brelfx {

bool MonitorMessageGate::Hold(unsigned int message) {
  if (!applying_) return false;
  // A reload twice over reads the same shared block: once is enough.
  if (std::find(held_.begin(), held_.end(), message) == held_.end()) held_.push_back(message);
  return true;
}

std::vector<unsigned int> MonitorMessageGate::EndApply() {
  applying_ = false;
  return std::exchange(held_, {});
}

}  // namespace brelfx
