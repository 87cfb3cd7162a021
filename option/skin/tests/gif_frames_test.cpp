// Cutting GIF files (made with ImageMagick) into the frames the animated
// picture control plays.
#include "option/skin/animation/gif_frames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/test_data.h"

namespace brelfx {
namespace {

std::vector<std::uint8_t> ReadGif(const std::string& name) {
  std::ifstream file(test::TestDataPath("gif/" + name), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Placed {
  int left, top, width, height, delay, disposal;
  bool operator==(const Placed&) const = default;
};
Placed PlaceOf(const GifFrame& frame) {
  return {frame.left, frame.top, frame.width, frame.height, frame.delay, frame.disposal};
}

// Three frames: 6×4 red (delay 0, disposal 1), 3×2 at (2,1) (delay 3,
// disposal 2, local colour table), 2×2 at (1,2) (delay 20, disposal 3); a
// two-colour global table with red at the background index.
TEST(GifFrames, AnAnimationIsCutIntoSingleFrameGifs) {
  const std::vector<std::uint8_t> file = ReadGif("three_frames.gif");
  ASSERT_EQ(file.size(), 122u);
  const CutGif cut = CutGifFrames(file);
  ASSERT_EQ(cut.layout, GifLayout::kAnimated);
  EXPECT_EQ(cut.header.width, 6);
  EXPECT_EQ(cut.header.height, 4);
  EXPECT_EQ(cut.header.background, 0x0000FFu);
  ASSERT_EQ(cut.frames.size(), 3u);
  EXPECT_EQ(PlaceOf(cut.frames[0]), (Placed{0, 0, 6, 4, 0, 1}));
  EXPECT_EQ(PlaceOf(cut.frames[1]), (Placed{2, 1, 3, 2, 3, 2}));
  EXPECT_EQ(PlaceOf(cut.frames[2]), (Placed{1, 2, 2, 2, 20, 3}));

  // Each frame is the file's header and colour table, its own blocks from
  // the graphic control extension on, and a trailer: a GIF of one image.
  const std::vector<std::uint8_t> second(file.begin() + 0x3F, file.begin() + 0x5C);
  std::vector<std::uint8_t> expected(file.begin(), file.begin() + 19);
  expected.insert(expected.end(), second.begin(), second.end());
  expected.push_back(0x3B);
  EXPECT_EQ(cut.frames[1].image, expected);
  for (const GifFrame& frame : cut.frames)
    EXPECT_EQ(CutGifFrames(frame.image).layout, GifLayout::kSingleImage);
}

TEST(GifFrames, AFrameWithoutControlExtensionHasNoDelayOrDisposal) {
  std::vector<std::uint8_t> file = ReadGif("three_frames.gif");
  file.erase(file.begin() + 0x5C, file.begin() + 0x64);  // the third frame's extension
  const CutGif cut = CutGifFrames(file);
  ASSERT_EQ(cut.frames.size(), 3u);
  EXPECT_EQ(PlaceOf(cut.frames[2]), (Placed{1, 2, 2, 2, 0, 0}));
  EXPECT_EQ(cut.frames[2].image.size(), 19u + 21u + 1u);  // header, image, trailer
}

TEST(GifFrames, OneImageOrAnotherPictureIsLoadedWhole) {
  EXPECT_EQ(CutGifFrames(ReadGif("single_image.gif")).layout, GifLayout::kSingleImage);
  EXPECT_TRUE(CutGifFrames(ReadGif("single_image.gif")).frames.empty());
  const std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'};
  EXPECT_EQ(CutGifFrames(jpeg).layout, GifLayout::kNotGif);
  std::vector<std::uint8_t> gif88 = ReadGif("single_image.gif");
  gif88[4] = '8';
  EXPECT_EQ(CutGifFrames(gif88).layout, GifLayout::kNotGif);
}

// Cut anywhere, the file keeps exactly the frames complete before the cut,
// unchanged; with fewer than two left it is shown still or not at all.
TEST(GifFrames, TruncatedDataEndsAtTheLastCompleteFrame) {
  const std::vector<std::uint8_t> file = ReadGif("three_frames.gif");
  const CutGif whole = CutGifFrames(file);
  const std::size_t imageEnds[] = {0x3F, 0x5C, 0x79};  // one past each image's data
  for (std::size_t size = 0; size < file.size(); ++size) {
    SCOPED_TRACE(size);
    const CutGif cut = CutGifFrames(std::span(file).first(size));
    std::size_t complete = 0;
    for (std::size_t end : imageEnds) complete += end <= size;
    if (size < 6) {
      EXPECT_EQ(cut.layout, GifLayout::kNotGif);
    } else if (complete == 0) {
      EXPECT_EQ(cut.layout, GifLayout::kNoImage);
    } else if (complete == 1) {
      EXPECT_EQ(cut.layout, GifLayout::kSingleImage);
    } else {
      ASSERT_EQ(cut.frames.size(), complete);
      for (std::size_t i = 0; i < complete; ++i)
        EXPECT_EQ(cut.frames[i].image, whole.frames[i].image);
    }
  }
}

// A byte that starts no block, or an extension the control does not know,
// must neither hang the walk nor lose the frames before it.
TEST(GifFrames, UnknownBlocksAreSteppedOverOrEndTheWalk) {
  std::vector<std::uint8_t> file = ReadGif("three_frames.gif");
  std::vector<std::uint8_t> unknownExtension = file;
  const std::uint8_t extension[] = {0x21, 0x77, 0x02, 0xAA, 0xBB, 0x00};
  unknownExtension.insert(unknownExtension.begin() + 0x5C, std::begin(extension),
                          std::end(extension));
  EXPECT_EQ(CutGifFrames(unknownExtension).frames.size(), 3u);

  std::vector<std::uint8_t> afterTrailer = file;  // nothing past the trailer is a frame
  afterTrailer.insert(afterTrailer.end(), file.begin() + 0x3F, file.begin() + 0x5C);
  EXPECT_EQ(CutGifFrames(afterTrailer).frames.size(), 3u);

  file[0x5C] = 0x00;  // where the third frame's extension begins
  const CutGif cut = CutGifFrames(file);
  EXPECT_EQ(cut.layout, GifLayout::kAnimated);
  EXPECT_EQ(cut.frames.size(), 2u);
}

TEST(GifFrames, ShortDelaysPlayAtOneHundredMilliseconds) {
  for (int delay : {0, 1, 4}) EXPECT_EQ(FrameDelayMs(delay), 100) << delay;
  EXPECT_EQ(FrameDelayMs(5), 50);
  EXPECT_EQ(FrameDelayMs(65535), 655350);
}

}  // namespace
}  // namespace brelfx
