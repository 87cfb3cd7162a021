// Where the timeline draws things: a column of key names on the left, a
// time axis on top, one lane per key below it, time running to the right at
// the zoom's milliseconds per pixel. Also which bar (and which part of it)
// lies under the mouse.
#pragma once

#include <cstdint>

#include "option/app/macro_editor/macro_timeline.h"

namespace brelfx {

class TimelineGeometry {
 public:
  static constexpr int kLabelWidth = 78;
  static constexpr int kAxisHeight = 20;
  static constexpr int kLaneHeight = 22;
  static constexpr int kBarInset = 4;     // between a bar and its lane's edges
  static constexpr int kReleaseGrip = 4;  // pixels at a bar's end that resize it

  int MsPerPixel() const;
  bool ZoomIn();
  bool ZoomOut();
  // The finest zoom that shows `endTime` within `width` pixels of lanes.
  void FitTo(std::uint32_t endTime, int width);

  // Scrolling: the time at the left edge of the lanes and the top lane.
  std::uint32_t firstTime = 0;
  int firstLane = 0;

  int XOfTime(std::uint32_t time) const;
  std::int64_t TimeOfX(int x) const;
  int TopOfLane(int lane) const;
  // The lane at client y, or -1 above the lanes.
  int LaneAtY(int y) const;

  struct Hit {
    int bar = -1;
    bool releaseEdge = false;  // on the bar's last pixels: drags its release
  };
  Hit HitTest(const MacroTimeline& timeline, int x, int y) const;

  // A time step for the axis marks that leaves at least `minPixels` between them.
  std::uint32_t AxisStep(int minPixels) const;

 private:
  int zoom_ = 3;  // index into the zoom steps
};

}  // namespace brelfx
