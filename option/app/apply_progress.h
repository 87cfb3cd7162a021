// The progress bar shown while the monitor writes the keyboard after Apply:
// the monitor reports how many reports it has written of how many it plans.
#pragma once

namespace brelfx {

// Width in pixels of the lit part of a bar `width` wide. Nothing planned (or
// a report that makes no sense) lights nothing; more written than planned
// fills the bar and no more.
int ApplyProgressFill(long long written, long long planned, int width);

}  // namespace brelfx
