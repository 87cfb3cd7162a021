#include "tools/skin-painter/files/color_palette.h"

#include <algorithm>
#include <array>

namespace brelfx::painter {
namespace {

struct Entry {
  Color color;
  uint32_t count;
};

int Channel(Color c, int channel) {
  return channel == 0 ? Red(c) : channel == 1 ? Green(c) : Blue(c);
}

// A box of colours: [begin, end) of the entry list.
struct Span {
  std::size_t begin, end;
  int widest = 0;  // channel with the largest range
  int range = 0;
};

Span Measure(const std::vector<Entry>& entries, std::size_t begin, std::size_t end) {
  Span span{begin, end};
  for (int channel = 0; channel < 3; ++channel) {
    int low = 255, high = 0;
    for (std::size_t i = begin; i < end; ++i) {
      low = std::min(low, Channel(entries[i].color, channel));
      high = std::max(high, Channel(entries[i].color, channel));
    }
    if (high - low > span.range) {
      span.range = high - low;
      span.widest = channel;
    }
  }
  return span;
}

Color Average(const std::vector<Entry>& entries, const Span& span) {
  std::array<uint64_t, 3> sum{};
  uint64_t weight = 0;
  for (std::size_t i = span.begin; i < span.end; ++i) {
    for (int channel = 0; channel < 3; ++channel)
      sum[channel] += uint64_t(Channel(entries[i].color, channel)) * entries[i].count;
    weight += entries[i].count;
  }
  return Rgb(int((sum[0] + weight / 2) / weight), int((sum[1] + weight / 2) / weight),
             int((sum[2] + weight / 2) / weight));
}

}  // namespace

ColorPalette::ColorPalette(const std::vector<Canvas>& pictures) {
  std::unordered_map<Color, uint32_t> histogram;
  for (const Canvas& p : pictures)
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x) ++histogram[p.At(x, y)];
  std::vector<Entry> entries;
  for (const auto& [color, count] : histogram) entries.push_back({color, count});
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.color < b.color; });

  std::vector<Span> spans = {Measure(entries, 0, entries.size())};
  while (spans.size() < 256) {
    // Split the box with the widest range at its weighted median.
    const auto widest = std::max_element(
        spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.range < b.range; });
    if (widest->range == 0) break;  // every box holds one colour
    const Span span = *widest;
    const auto first = entries.begin() + span.begin, last = entries.begin() + span.end;
    std::sort(first, last, [&](const Entry& a, const Entry& b) {
      return Channel(a.color, span.widest) < Channel(b.color, span.widest);
    });
    uint64_t total = 0, running = 0;
    for (auto i = first; i != last; ++i) total += i->count;
    std::size_t cut = span.begin + 1;
    for (auto i = first; i != last - 1; ++i, ++cut)
      if ((running += i->count) * 2 >= total) break;
    cut = std::min(cut, span.end - 1);  // one colour may outweigh all the others
    *widest = Measure(entries, span.begin, cut);
    spans.push_back(Measure(entries, cut, span.end));
  }
  for (const Span& span : spans)
    if (span.end > span.begin) colors_.push_back(Average(entries, span));
}

uint8_t ColorPalette::IndexOf(Color color) {
  if (const auto known = nearest_.find(color); known != nearest_.end()) return known->second;
  int best = 0, bestDistance = 1 << 30;
  for (int i = 0; i < static_cast<int>(colors_.size()); ++i) {
    const int dr = Red(color) - Red(colors_[i]), dg = Green(color) - Green(colors_[i]),
              db = Blue(color) - Blue(colors_[i]);
    const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;  // the eye weighs green most
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return nearest_[color] = static_cast<uint8_t>(best);
}

}  // namespace brelfx::painter
