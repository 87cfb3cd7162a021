// The timeline view's model: the shown macro's bars, the edits the mouse
// makes to them, and whether any was made. Looking at a macro never changes
// it: only a timeline with an edited bar gives events back.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "option/app/macro_editor/macro_bars.h"

namespace brelfx {

class MacroTimeline {
 public:
  static constexpr std::size_t kMaxBars = kMaxActions / 2;
  // No bar is moved further than this (ten minutes).
  static constexpr std::uint32_t kLatestTime = 600'000;

  void Load(std::span<const MacroEvent> events);
  void Clear() { Load({}); }

  const std::vector<MacroBar>& Bars() const { return bars_; }
  bool Edited() const { return edited_; }
  // The events of the edited bars; nothing when no bar was edited.
  std::optional<MacroEvents> EditedEvents() const;

  // The keys in the order of their first bar: one lane each.
  const std::vector<std::uint8_t>& Lanes() const { return lanes_; }
  int LaneOf(int bar) const;
  std::uint32_t EndTime() const;

  // Moves a bar so it is pressed at `pressTime` (held to 0..kLatestTime), its
  // length kept.
  bool MoveBar(int bar, std::int64_t pressTime);
  // Moves a bar's release to `releaseTime`, at least 1 ms after its press.
  bool SetBarRelease(int bar, std::int64_t releaseTime);
  // A new bar of `code`; its index, or nothing when 250 bars exist.
  std::optional<int> AddBar(std::uint8_t code, std::uint32_t pressTime, std::uint32_t length);
  bool DeleteBar(int bar);

 private:
  bool Valid(int bar) const { return bar >= 0 && bar < static_cast<int>(bars_.size()); }
  void Edit();

  std::vector<MacroBar> bars_;
  std::vector<std::uint8_t> lanes_;
  int nextPosition_ = 0;  // for added bars: behind every event of the macro
  bool edited_ = false;
};

}  // namespace brelfx
