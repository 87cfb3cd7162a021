#include "tools/skin-painter/files/animated_gif.h"

#include "tools/skin-painter/files/color_palette.h"
#include "tools/skin-painter/files/image_files.h"

namespace brelfx::painter {
namespace {

constexpr int kMinCodeSize = 8;
constexpr int kClear = 1 << kMinCodeSize;
constexpr int kEnd = kClear + 1;
constexpr int kMaxCode = 4095;

class BitWriter {
 public:
  void Put(int code, int size) {
    bits_ |= static_cast<uint32_t>(code) << count_;
    for (count_ += size; count_ >= 8; count_ -= 8, bits_ >>= 8) out_.push_back(bits_ & 255);
  }
  std::vector<uint8_t> Finish() {
    if (count_ > 0) out_.push_back(bits_ & 255);
    return std::move(out_);
  }

 private:
  std::vector<uint8_t> out_;
  uint32_t bits_ = 0;
  int count_ = 0;
};

void Put16(std::vector<uint8_t>& out, int v) {
  out.push_back(v & 255);
  out.push_back((v >> 8) & 255);
}

}  // namespace

std::vector<uint8_t> LzwCompress(const std::vector<uint8_t>& indices) {
  BitWriter writer;
  // next_[code * 256 + byte]: the code of `code` followed by `byte`, 0 if none.
  std::vector<uint16_t> next(static_cast<std::size_t>(kMaxCode + 1) * 256, 0);
  int codeSize = kMinCodeSize + 1;
  int lastCode = kEnd;
  writer.Put(kClear, codeSize);
  if (indices.empty()) {
    writer.Put(kEnd, codeSize);
    return writer.Finish();
  }
  int current = indices[0];
  for (std::size_t i = 1; i < indices.size(); ++i) {
    const uint8_t byte = indices[i];
    uint16_t& known = next[static_cast<std::size_t>(current) * 256 + byte];
    if (known) {
      current = known;
      continue;
    }
    writer.Put(current, codeSize);
    known = static_cast<uint16_t>(++lastCode);
    // The decoder widens its codes once the table holds a code that needs it.
    if (lastCode >= (1 << codeSize)) ++codeSize;
    if (lastCode == kMaxCode) {
      writer.Put(kClear, codeSize);
      std::fill(next.begin(), next.end(), 0);
      codeSize = kMinCodeSize + 1;
      lastCode = kEnd;
    }
    current = byte;
  }
  writer.Put(current, codeSize);
  writer.Put(kEnd, codeSize);
  return writer.Finish();
}

std::vector<uint8_t> EncodeAnimatedGif(const std::vector<Canvas>& frames,
                                       const std::vector<int>& delays) {
  ColorPalette palette(frames);
  const int width = frames.front().width(), height = frames.front().height();
  std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, width);
  Put16(out, height);
  out.insert(out.end(), {0xF7, 0, 0});  // global table of 256 colours, 8 bits
  for (int i = 0; i < 256; ++i) {
    const Color c = i < static_cast<int>(palette.colors().size()) ? palette.colors()[i] : 0;
    out.insert(out.end(), {uint8_t(Red(c)), uint8_t(Green(c)), uint8_t(Blue(c))});
  }
  const char loop[] = "NETSCAPE2.0";
  out.insert(out.end(), {0x21, 0xFF, 11});
  out.insert(out.end(), loop, loop + 11);
  out.insert(out.end(), {3, 1, 0, 0, 0});  // repeat forever
  for (std::size_t f = 0; f < frames.size(); ++f) {
    out.insert(out.end(), {0x21, 0xF9, 4, 1 << 2});  // disposal 1: leave in place
    Put16(out, delays[f]);
    out.insert(out.end(), {0, 0});
    out.push_back(0x2C);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, width);
    Put16(out, height);
    out.push_back(0);  // no local table, not interlaced
    std::vector<uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) indices.push_back(palette.IndexOf(frames[f].At(x, y)));
    out.push_back(kMinCodeSize);
    const std::vector<uint8_t> data = LzwCompress(indices);
    for (std::size_t at = 0; at < data.size(); at += 255) {
      const std::size_t n = std::min<std::size_t>(255, data.size() - at);
      out.push_back(static_cast<uint8_t>(n));
      out.insert(out.end(), data.begin() + at, data.begin() + at + n);
    }
    out.push_back(0);
  }
  out.push_back(0x3B);
  return out;
}

bool WriteAnimatedGif(const std::vector<Canvas>& frames, const std::vector<int>& delays,
                      const std::string& path, std::string& error) {
  if (frames.empty() || frames.size() != delays.size()) {
    error = "an animation needs frames, each with a delay";
    return false;
  }
  for (const Canvas& f : frames) {
    if (f.width() != frames.front().width() || f.height() != frames.front().height()) {
      error = "the frames of an animation differ in size";
      return false;
    }
  }
  if (WriteFile(path, EncodeAnimatedGif(frames, delays))) return true;
  error = "cannot write " + path;
  return false;
}

}  // namespace brelfx::painter
