// The cost of one foreground check of the game-profile watch: name the
// foreground process, then look for it among the profiles' games.
#pragma once

#include "platform/foreground_process.h"

namespace brelfx {

// Runs the check `runs` times against five profiles that list three games
// each, none of them running (every entry is compared); prints and returns
// the median in microseconds.
double RunForegroundCheckBench(ForegroundProcess& processes, int runs);

}  // namespace brelfx
