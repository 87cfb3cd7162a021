#include "tools/skin-painter/files/image_files.h"

#include <cstdio>

namespace brelfx::painter {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 255);
  out.push_back((v >> 8) & 255);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// BITMAPINFOHEADER; `heightField` is doubled for icons (colour + mask).
void PutInfoHeader(std::vector<uint8_t>& out, int width, int heightField, int bits,
                   uint32_t imageSize) {
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(heightField));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
}

// Colour image (32-bit BGRA, bottom-up) followed by the 1-bit AND mask.
std::vector<uint8_t> IconImage(const Canvas& c, Color transparent) {
  std::vector<uint8_t> image;
  const int maskStride = ((c.width() + 31) / 32) * 4;
  const uint32_t size = static_cast<uint32_t>(c.width() * c.height() * 4 + maskStride * c.height());
  PutInfoHeader(image, c.width(), c.height() * 2, 32, size);
  for (int y = c.height() - 1; y >= 0; --y) {
    for (int x = 0; x < c.width(); ++x) {
      const Color p = c.At(x, y);
      const bool clear = p == transparent;
      image.push_back(clear ? 0 : Blue(p));
      image.push_back(clear ? 0 : Green(p));
      image.push_back(clear ? 0 : Red(p));
      image.push_back(clear ? 0 : 255);
    }
  }
  for (int y = c.height() - 1; y >= 0; --y) {
    std::vector<uint8_t> row(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < c.width(); ++x)
      if (c.At(x, y) == transparent) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    image.insert(image.end(), row.begin(), row.end());
  }
  return image;
}

// ICONDIR with one entry; type 1 icon (planes/bits), 2 cursor (hot spot).
std::vector<uint8_t> IconFile(const Canvas& c, Color transparent, int type, int field1,
                              int field2) {
  const std::vector<uint8_t> image = IconImage(c, transparent);
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, static_cast<uint32_t>(type));
  Put16(out, 1);
  out.push_back(static_cast<uint8_t>(c.width() & 255));
  out.push_back(static_cast<uint8_t>(c.height() & 255));
  out.push_back(0);
  out.push_back(0);
  Put16(out, static_cast<uint32_t>(field1));
  Put16(out, static_cast<uint32_t>(field2));
  Put32(out, static_cast<uint32_t>(image.size()));
  Put32(out, 6 + 16);
  out.insert(out.end(), image.begin(), image.end());
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Canvas& c) {
  const int stride = (c.width() * 3 + 3) & ~3;
  const uint32_t imageSize = static_cast<uint32_t>(stride * c.height());
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 14 + 40 + imageSize);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, c.width(), c.height(), 24, imageSize);
  for (int y = c.height() - 1; y >= 0; --y) {  // bottom-up rows
    for (int x = 0; x < c.width(); ++x) {
      const Color p = c.At(x, y);
      out.push_back(static_cast<uint8_t>(Blue(p)));
      out.push_back(static_cast<uint8_t>(Green(p)));
      out.push_back(static_cast<uint8_t>(Red(p)));
    }
    for (int pad = c.width() * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<uint8_t> EncodeIcon(const Canvas& c, Color transparent) {
  return IconFile(c, transparent, 1, 1, 32);
}

std::vector<uint8_t> EncodeCursor(const Canvas& c, Color transparent, int hotX, int hotY) {
  return IconFile(c, transparent, 2, hotX, hotY);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace brelfx::painter
