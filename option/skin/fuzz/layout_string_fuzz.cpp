// Layout strings come from the program's own literals and from the skin
// recipes of the painter; any text must parse without fault, and the parsed
// rectangle must be usable for sizes and window creation without overflow
// (the sanitizers of the fuzz build trap on signed overflow).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "option/skin/layout_string.h"
#include "option/skin/window_bounds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const brelfx::LayoutItem item = brelfx::ParseLayoutString(text);
  // Both text fields must stay terminated inside the record.
  if (!std::memchr(item.name, 0, sizeof(item.name)) ||
      !std::memchr(item.tooltip, 0, sizeof(item.tooltip))) {
    __builtin_trap();
  }
  const brelfx::SkinRect& r = item.rect;
  const int64_t width = r.Width(), height = r.Height();
  if (width != std::clamp<int64_t>(int64_t{r.right} - r.left, INT32_MIN, INT32_MAX) ||
      height != std::clamp<int64_t>(int64_t{r.bottom} - r.top, INT32_MIN, INT32_MAX)) {
    __builtin_trap();
  }
  const brelfx::WindowBounds bounds = brelfx::WindowBoundsOf(r);
  if (bounds.width < 0 || bounds.height < 0 || bounds.x != r.left || bounds.y != r.top ||
      (width >= 0 && bounds.width != width) || (height >= 0 && bounds.height != height)) {
    __builtin_trap();
  }
  // What window creation does with the rectangle built from the bounds.
  const int32_t right = brelfx::SaturatedInt32(int64_t{bounds.x} + bounds.width);
  const int32_t bottom = brelfx::SaturatedInt32(int64_t{bounds.y} + bounds.height);
  if (right - bounds.x < 0 || bottom - bounds.y < 0) __builtin_trap();
  return 0;
}
