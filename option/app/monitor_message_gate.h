// While Apply waits for the monitor, the window keeps pumping messages, so the
// monitor's notifications (and a WM_CLOSE) can arrive in the middle of it.
// Acting on them then would replace the edited block under the running Apply;
// they are held and handed over, in order and without repeats, once it ends.
#pragma once

#include <vector>

namespace brelfx {

class MonitorMessageGate {
 public:
  void BeginApply() { applying_ = true; }
  bool applying() const { return applying_; }

  // True when the message must wait; it is then kept for EndApply.
  bool Hold(unsigned int message);
  // The held messages, oldest first, each once; the gate is open again.
  std::vector<unsigned int> EndApply();

 private:
  bool applying_ = false;
  std::vector<unsigned int> held_;
};

}  // namespace brelfx
