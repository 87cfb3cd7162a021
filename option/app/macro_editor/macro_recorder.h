// Recording a macro from the keyboard: every key the capture reports goes
// in at the insertion point, which then moves behind it. Held keys repeat
// their press; only the first counts. With delays on, the time since the
// previous recorded key becomes the delay of the event before the new one.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "option/app/macro_editor/macro_event_edits.h"
#include "platform/keyboard_layout.h"

namespace brelfx {

class MacroRecorder {
 public:
  explicit MacroRecorder(const KeyboardLayout& layout) : layout_(layout) {}

  // Starts recording into `events` (which must outlive the recording) at
  // position `insertAt` (clamped to the events). False when the macro is
  // already full.
  bool Start(MacroEvents& events, int insertAt, bool measureDelays);
  void Stop() { events_ = nullptr; }
  bool Recording() const { return events_ != nullptr; }

  enum class Outcome { kIgnored, kRecorded, kFull };
  // One key the capture reported at `tick` (milliseconds, a wrapping 32-bit
  // clock). kFull: the event was recorded and the macro is now full, so the
  // recording has to stop.
  Outcome OnKey(unsigned vk, unsigned scan, bool released, std::uint32_t tick);

  int InsertionPoint() const { return insertAt_; }

 private:
  const KeyboardLayout& layout_;
  MacroEvents* events_ = nullptr;
  int insertAt_ = 0;
  bool measureDelays_ = true;
  bool recordedAny_ = false;
  std::uint32_t lastTick_ = 0;
  std::optional<std::pair<unsigned, bool>> previousKey_;
};

}  // namespace brelfx
