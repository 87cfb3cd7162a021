#include "option/app/macro_editor/timeline_geometry.h"

#include <algorithm>
#include <array>

namespace brelfx {
namespace {

constexpr std::array<int, 8> kMsPerPixel = {1, 2, 5, 10, 20, 50, 100, 200};
constexpr std::array<std::uint32_t, 12> kAxisSteps = {10,   20,   50,   100,   200,   500,
                                                      1000, 2000, 5000, 10000, 30000, 60000};

}  // namespace

int TimelineGeometry::MsPerPixel() const {
  return kMsPerPixel[static_cast<std::size_t>(zoom_)];
}

bool TimelineGeometry::ZoomIn() {
  if (zoom_ == 0) return false;
  --zoom_;
  return true;
}

bool TimelineGeometry::ZoomOut() {
  if (zoom_ + 1 == static_cast<int>(kMsPerPixel.size())) return false;
  ++zoom_;
  return true;
}

void TimelineGeometry::FitTo(std::uint32_t endTime, int width) {
  zoom_ = 0;
  while (static_cast<std::int64_t>(endTime) / MsPerPixel() > width && ZoomOut()) {
  }
  firstTime = 0;
}

int TimelineGeometry::XOfTime(std::uint32_t time) const {
  const std::int64_t offset = static_cast<std::int64_t>(time) - firstTime;
  return kLabelWidth + static_cast<int>(offset / MsPerPixel());
}

std::int64_t TimelineGeometry::TimeOfX(int x) const {
  return static_cast<std::int64_t>(firstTime) +
         static_cast<std::int64_t>(x - kLabelWidth) * MsPerPixel();
}

int TimelineGeometry::TopOfLane(int lane) const {
  return kAxisHeight + (lane - firstLane) * kLaneHeight;
}

int TimelineGeometry::LaneAtY(int y) const {
  if (y < kAxisHeight) return -1;
  return firstLane + (y - kAxisHeight) / kLaneHeight;
}

TimelineGeometry::Hit TimelineGeometry::HitTest(const MacroTimeline& timeline, int x, int y) const {
  const int lane = LaneAtY(y);
  if (lane < 0 || x < kLabelWidth) return {};
  const auto& bars = timeline.Bars();
  // The last drawn bar is on top: search from the end.
  for (int i = static_cast<int>(bars.size()) - 1; i >= 0; --i) {
    if (timeline.LaneOf(i) != lane) continue;
    const MacroBar& bar = bars[static_cast<std::size_t>(i)];
    const int left = XOfTime(bar.pressTime);
    const int right = std::max(XOfTime(bar.releaseTime), left + 3);
    if (x < left || x > right) continue;
    return {i, x >= right - kReleaseGrip && right - left > kReleaseGrip * 2};
  }
  return {};
}

std::uint32_t TimelineGeometry::AxisStep(int minPixels) const {
  for (std::uint32_t step : kAxisSteps)
    if (static_cast<std::int64_t>(step) / MsPerPixel() >= minPixels) return step;
  return kAxisSteps.back();
}

}  // namespace brelfx
