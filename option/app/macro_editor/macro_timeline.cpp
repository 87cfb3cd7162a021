#include "option/app/macro_editor/macro_timeline.h"

#include <algorithm>

namespace brelfx {

void MacroTimeline::Load(std::span<const MacroEvent> events) {
  bars_ = BarsOfEvents(events);
  nextPosition_ = static_cast<int>(events.size());
  edited_ = false;
  Edit();
  edited_ = false;
}

void MacroTimeline::Edit() {
  edited_ = true;
  lanes_.clear();
  for (const MacroBar& bar : bars_)
    if (std::find(lanes_.begin(), lanes_.end(), bar.code) == lanes_.end())
      lanes_.push_back(bar.code);
}

std::optional<MacroEvents> MacroTimeline::EditedEvents() const {
  if (!edited_) return std::nullopt;
  return EventsOfBars(bars_);
}

int MacroTimeline::LaneOf(int bar) const {
  if (!Valid(bar)) return -1;
  const auto lane =
      std::find(lanes_.begin(), lanes_.end(), bars_[static_cast<std::size_t>(bar)].code);
  return static_cast<int>(lane - lanes_.begin());
}

std::uint32_t MacroTimeline::EndTime() const {
  std::uint32_t end = 0;
  for (const MacroBar& bar : bars_) end = std::max(end, bar.releaseTime);
  return end;
}

bool MacroTimeline::MoveBar(int bar, std::int64_t pressTime) {
  if (!Valid(bar)) return false;
  MacroBar& moved = bars_[static_cast<std::size_t>(bar)];
  const std::uint32_t length = moved.releaseTime - moved.pressTime;
  const auto press = static_cast<std::uint32_t>(
      std::clamp<std::int64_t>(pressTime, 0, kLatestTime - std::min(length, kLatestTime)));
  if (press == moved.pressTime) return false;
  moved.pressTime = press;
  moved.releaseTime = press + length;
  Edit();
  return true;
}

bool MacroTimeline::SetBarRelease(int bar, std::int64_t releaseTime) {
  if (!Valid(bar)) return false;
  MacroBar& changed = bars_[static_cast<std::size_t>(bar)];
  const auto release = static_cast<std::uint32_t>(
      std::clamp<std::int64_t>(releaseTime, changed.pressTime + 1, kLatestTime + 1));
  if (release == changed.releaseTime) return false;
  changed.releaseTime = release;
  Edit();
  return true;
}

std::optional<int> MacroTimeline::AddBar(std::uint8_t code, std::uint32_t pressTime,
                                         std::uint32_t length) {
  if (bars_.size() >= kMaxBars) return std::nullopt;
  pressTime = std::min(pressTime, kLatestTime);
  bars_.push_back({code, pressTime, pressTime + std::max<std::uint32_t>(length, 1), nextPosition_,
                   nextPosition_ + 1});
  nextPosition_ += 2;
  Edit();
  return static_cast<int>(bars_.size()) - 1;
}

bool MacroTimeline::DeleteBar(int bar) {
  if (!Valid(bar)) return false;
  bars_.erase(bars_.begin() + bar);
  Edit();
  return true;
}

}  // namespace brelfx
