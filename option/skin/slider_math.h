// Value <-> position arithmetic of the skinned horizontal slider: a track
// (CclickHSlider) with a thumb (CPHSlider) that travels inside it.
#pragma once

#include <optional>

namespace brelfx {

struct SliderRange {
  int minimum = 0;
  int maximum = 10;
};

// Where the thumb travels: its left edge moves from `left` to `right - thumbWidth`.
struct SliderTravel {
  int left = 0;
  int right = 0;
  int thumbWidth = 0;
};

// The thumb's left edge for `value`, clamped into the range first.
int ThumbLeftForValue(int value, const SliderRange& range, const SliderTravel& travel);

// The value under a click at `x` on a track spanning [trackLeft, trackRight),
// before rounding: linear over the whole track.
double TrackClickValue(int x, int trackLeft, int trackRight, const SliderRange& range);

// The value a thumb whose left edge is at `thumbLeft` stands for, before rounding.
double ThumbValue(int thumbLeft, const SliderRange& range, const SliderTravel& travel);

// Rounds to nearest (rounding on) or truncates, then clamps into the range.
int SettleSliderValue(double raw, bool rounding, const SliderRange& range);

// Keeps a dragged thumb's left edge inside the travel area.
int ClampThumbLeft(int thumbLeft, const SliderTravel& travel);

// Keyboard use of a focused slider (Windows' VK_ codes): Left/Down one step
// down, Right/Up one up, Home the minimum, End the maximum; nothing for
// other keys. The result is clamped into the range.
std::optional<int> SliderValueAfterKey(unsigned virtualKey, int value, const SliderRange& range);

}  // namespace brelfx
