// Window shapes and cropped state images through real GDI.
#include <gtest/gtest.h>

#include "option/skin/win32/region_from_bitmap.h"
#include "option/skin/win32/skin_image.h"
#include "option/skin/win32/skin_resource_ids.h"
#include "option/skin/win32/tests/test_window.h"

namespace brelfx {
namespace {

using testing::MakeBitmap;
using testing::PixelOf;

constexpr COLORREF kWhite = RGB(255, 255, 255);

// Shapes a picture drawn by `color` and checks that every pixel is inside the
// region exactly when it is not white.
template <typename ColorOf>
void ExpectRegionMatchesPicture(int width, int height, ColorOf color) {
  UniqueBitmap picture(MakeBitmap(width, height, color));
  UniqueRegion region = RegionFromBitmap(picture.get(), kWhite, 0);
  ASSERT_TRUE(region);
  int wrong = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      wrong += (PtInRegion(region.get(), x, y) != FALSE) != (color(x, y) != kWhite);
  EXPECT_EQ(wrong, 0);
}

TEST(RegionFromBitmap, RaggedShapeIsPixelExact) {
  ExpectRegionMatchesPicture(41, 31, [](int x, int y) {
    return std::abs(x - 20) + std::abs(y - 15) <= 15 ? RGB(30, 30, 30) : kWhite;
  });
}

TEST(RegionFromBitmap, MoreRunsThanOneBatchAreAllUnited) {
  // Every other column: 100 runs a row, 12,000 runs in all (six batches).
  ExpectRegionMatchesPicture(200, 120, [](int x, int) { return x % 2 ? kWhite : RGB(0, 0, 0); });
}

TEST(RegionFromBitmap, AllWhiteGivesAnEmptyRegionAndNoBitmapNone) {
  UniqueBitmap white(MakeBitmap(10, 10, [](int, int) { return kWhite; }));
  UniqueRegion region = RegionFromBitmap(white.get(), kWhite, 0);
  ASSERT_TRUE(region);
  RECT box;
  EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
  EXPECT_FALSE(RegionFromBitmap(nullptr, kWhite, 0));
}

TEST(RegionFromBitmap, ToleranceWidensTheKey) {
  UniqueBitmap nearWhite(
      MakeBitmap(4, 1, [](int x, int) { return x < 2 ? RGB(240, 240, 240) : RGB(200, 200, 200); }));
  UniqueRegion exact = RegionFromBitmap(nearWhite.get(), RGB(240, 240, 240), 0);
  UniqueRegion wide = RegionFromBitmap(nearWhite.get(), RGB(200, 200, 200), 40);
  EXPECT_FALSE(PtInRegion(exact.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(exact.get(), 3, 0));
  RECT box;
  EXPECT_EQ(GetRgnBox(wide.get(), &box), NULLREGION);
}

TEST(ShapeWindow, WhiteOutsideIsCutAwayAndAnAllWhiteShapeKeepsTheRectangle) {
  testing::TestOwner window;
  UniqueBitmap white(MakeBitmap(400, 300, [](int, int) { return kWhite; }));
  ShapeWindow(window.hwnd(), white.get());
  UniqueRegion current(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window.hwnd(), current.get()), ERROR);  // no region: the full rectangle

  UniqueBitmap corner(
      MakeBitmap(400, 300, [](int x, int y) { return x + y < 20 ? kWhite : RGB(9, 9, 9); }));
  ShapeWindow(window.hwnd(), corner.get());
  ASSERT_NE(GetWindowRgn(window.hwnd(), current.get()), ERROR);
  EXPECT_FALSE(PtInRegion(current.get(), 2, 2));
  EXPECT_TRUE(PtInRegion(current.get(), 200, 150));
}

TEST(CropSkinImage, CopiesTheRectangleAndIgnoresAMissingSource) {
  UniqueBitmap source(MakeBitmap(20, 10, [](int x, int y) { return RGB(x * 10, y * 20, 7); }));
  UniqueBitmap target;
  CropSkinImage(nullptr, target, source.get(), RECT{5, 2, 15, 8});
  ASSERT_TRUE(target);
  EXPECT_EQ(BitmapSize(target.get()).cx, 10);
  EXPECT_EQ(BitmapSize(target.get()).cy, 6);
  EXPECT_EQ(PixelOf(target.get(), 0, 0), RGB(50, 40, 7));
  EXPECT_EQ(PixelOf(target.get(), 9, 5), RGB(140, 140, 7));

  const HBITMAP before = target.get();
  CropSkinImage(nullptr, target, nullptr, RECT{0, 0, 4, 4});
  EXPECT_EQ(target.get(), before);  // no source: nothing happens

  CropSkinImage(nullptr, target, source.get(), RECT{0, 0, 0, 0});
  EXPECT_FALSE(target);  // a hidden control has no image
}

TEST(SkinSet, MissingRolesReuseTheNormalPicture) {
  SkinSet set;
  ASSERT_TRUE(set.Load(SkinSetIds{0, BRELFX_IDB_SLIDER_THUMB, 0, 0, 0}));
  const HBITMAP normal = set.Image(SkinRole::kNormal);
  EXPECT_EQ(set.Image(SkinRole::kHover), normal);
  EXPECT_EQ(set.Image(SkinRole::kPressed), normal);
  EXPECT_EQ(set.Image(SkinRole::kExtra), normal);
  EXPECT_EQ(set.Image(SkinRole::kShape), nullptr);  // no shape: a rectangular window
  EXPECT_EQ(set.Size().cx, 12);
  EXPECT_FALSE(SkinSet().Load(SkinSetIds{0, 31999, 0, 0, 0}));
}

TEST(ToolkitResources, AreLinkedInAndLoadAtTheirSizes) {
  const HINSTANCE self = GetModuleHandleA(nullptr);
  EXPECT_NE(LoadCursorA(self, MAKEINTRESOURCEA(BRELFX_IDC_HAND)), nullptr);
  EXPECT_NE(LoadImageA(self, MAKEINTRESOURCEA(BRELFX_IDI_SUBMENU_ARROW), IMAGE_ICON, 0, 0, 0),
            nullptr);
  const struct {
    int id;
    LONG width, height;
  } bitmaps[] = {{BRELFX_IDB_SLIDER_THUMB, 12, 20},
                 {BRELFX_IDB_SLIDER_THUMB_SMALL, 10, 18},
                 {BRELFX_IDB_COLOR_MARKER, 13, 13},
                 {BRELFX_IDB_COLOR_SPECTRUM, 176, 28}};
  for (const auto& b : bitmaps) {
    UniqueBitmap bitmap = LoadSkinBitmap(b.id);
    ASSERT_TRUE(bitmap) << b.id;
    EXPECT_EQ(BitmapSize(bitmap.get()).cx, b.width) << b.id;
    EXPECT_EQ(BitmapSize(bitmap.get()).cy, b.height) << b.id;
  }
  // The marker and the thumbs are keyed: their top-left pixel is the colour
  // that is left out (magenta).
  UniqueBitmap marker = LoadSkinBitmap(BRELFX_IDB_COLOR_MARKER);
  EXPECT_EQ(PixelOf(marker.get(), 0, 0), RGB(255, 0, 255));
  UniqueBitmap thumb = LoadSkinBitmap(BRELFX_IDB_SLIDER_THUMB);
  EXPECT_EQ(PixelOf(thumb.get(), 0, 0), RGB(255, 0, 255));
}

}  // namespace
}  // namespace brelfx
