#include "option/skin/dialog/dialog_placement.h"

#include <algorithm>

namespace brelfx {
namespace {

int32_t Centred(int32_t from, int32_t extent, int32_t size) {
  return SaturatedInt32(int64_t{from} + (int64_t{extent} - size) / 2);
}

int32_t KeptInside(int32_t origin, int32_t size, int32_t from, int32_t to) {
  const int64_t last = int64_t{to} - size;
  return static_cast<int32_t>(std::max<int64_t>(from, std::min<int64_t>(origin, last)));
}

}  // namespace

DialogOrigin CentredDialogOrigin(const SkinRect& owner, int32_t width, int32_t height,
                                 const SkinRect& screen) {
  const bool hasOwner = owner.Width() > 0 && owner.Height() > 0;
  const SkinRect& over = hasOwner ? owner : screen;
  const int32_t x = Centred(over.left, over.Width(), width);
  const int32_t y = Centred(over.top, over.Height(), height);
  return DialogOrigin{KeptInside(x, width, screen.left, screen.right),
                      KeptInside(y, height, screen.top, screen.bottom)};
}

}  // namespace brelfx
