// Timer seam: the window timers of the monitor's main window. Each timer is
// known by its id; starting an id that runs already restarts it with the new
// interval, as SetTimer does.
#pragma once

namespace brelfx {

class WindowTimers {
 public:
  virtual ~WindowTimers() = default;
  // Fires every intervalMs until stopped (one-shot timers stop themselves).
  virtual void StartTimer(int id, int intervalMs) = 0;
  // Stopping a timer that does not run is harmless.
  virtual void StopTimer(int id) = 0;
};

}  // namespace brelfx
