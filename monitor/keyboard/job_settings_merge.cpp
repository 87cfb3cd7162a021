#include "monitor/keyboard/job_settings_merge.h"

#include <cstddef>

namespace brelfx {

void MergeJobSettings(SettingsBlock& local, const SettingsBlock& posted, const SettingsBlock& job) {
  auto* into = reinterpret_cast<unsigned char*>(&local);
  const auto* before = reinterpret_cast<const unsigned char*>(&posted);
  const auto* after = reinterpret_cast<const unsigned char*>(&job);
  for (std::size_t i = 0; i < sizeof(SettingsBlock); ++i)
    if (into[i] == before[i]) into[i] = after[i];
}

}  // namespace brelfx
