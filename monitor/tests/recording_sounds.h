// A sound player that notes which sound codes were played, and when.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "monitor/sound/sound_player.h"
#include "platform/clock.h"

namespace brelfx::test {

using Heard = std::vector<std::pair<std::int64_t, int>>;  // (time ms, sound code)

class RecordingSounds final : public SoundPlayer {
 public:
  explicit RecordingSounds(Clock& clock) : clock_(clock) {}
  void Play(int soundCode) override { heard.emplace_back(clock_.NowMs(), soundCode); }
  Heard heard;

 private:
  Clock& clock_;
};

}  // namespace brelfx::test
