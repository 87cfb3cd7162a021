#include "option/app/macro_editor/macro_recorder.h"

#include <algorithm>

#include "option/app/macro_editor/macro_key_codes.h"

namespace brelfx {

bool MacroRecorder::Start(MacroEvents& events, int insertAt, bool measureDelays) {
  if (events.size() >= kMaxActions) return false;
  events_ = &events;
  insertAt_ = std::clamp(insertAt, 0, static_cast<int>(events.size()));
  measureDelays_ = measureDelays;
  recordedAny_ = false;
  previousKey_.reset();
  return true;
}

MacroRecorder::Outcome MacroRecorder::OnKey(unsigned vk, unsigned scan, bool released,
                                            std::uint32_t tick) {
  if (!events_) return Outcome::kIgnored;
  // A held key repeats its press: only a change counts.
  const std::pair<unsigned, bool> key{vk, released};
  if (previousKey_ == key) return Outcome::kIgnored;
  previousKey_ = key;
  const std::optional<std::uint8_t> code = MacroKeyCodeOfKey(vk, scan, layout_);
  if (!code) return Outcome::kIgnored;
  if (measureDelays_ && recordedAny_ && insertAt_ > 0) {
    // Unsigned difference: right across the wrap of the tick counter.
    const std::uint32_t elapsed = tick - lastTick_;
    (*events_)[static_cast<std::size_t>(insertAt_ - 1)].Delay =
        static_cast<std::uint16_t>(std::min<std::uint32_t>(elapsed, kMaxDelay));
  }
  events_->insert(events_->begin() + insertAt_,
                  MacroEvent{*code, released ? kEventRelease : kEventPress, 0});
  ++insertAt_;
  recordedAny_ = true;
  lastTick_ = tick;
  if (events_->size() < kMaxActions) return Outcome::kRecorded;
  Stop();
  return Outcome::kFull;
}

}  // namespace brelfx
