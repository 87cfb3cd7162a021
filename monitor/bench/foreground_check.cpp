#include "monitor/bench/foreground_check.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "monitor/desktop/game_profiles.h"
#include "settings/text_field.h"

namespace brelfx {

double RunForegroundCheckBench(ForegroundProcess& processes, int runs) {
  auto settings = std::make_unique<SettingsBlock>();
  for (int p = 0; p < kProfileCount; ++p) {
    ProfileRecord& profile = settings->Profiles[p];
    const std::string base = "  C:\\Games\\Title " + std::to_string(p) + "\\game";
    SetTextField(profile.GameFile0, base + "a.exe");
    SetTextField(profile.GameFile1, base + "b.exe ");
    SetTextField(profile.GameFile2, base + "c.exe");
  }
  std::vector<double> times;
  int matched = 0;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const auto name = ForegroundExecutableName(processes);
    if (name && GameProfileFor(*settings, *name) >= 0) ++matched;
    times.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  std::printf(
      "foreground check: median %.1f us, fastest %.1f us, slowest %.1f us over %d runs "
      "(%d matched)\n",
      median, times.front(), times.back(), runs, matched);
  return median;
}

}  // namespace brelfx
