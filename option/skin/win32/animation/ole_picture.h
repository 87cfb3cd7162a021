// One picture decoded by the system's OLE picture loader (GIF, JPEG, BMP,
// PNG …) from bytes in memory, and drawn at a place and size of our choice.
#pragma once

#include <olectl.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

namespace brelfx {

struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
using PicturePtr = std::unique_ptr<IPicture, ComRelease>;

// Null when the loader cannot decode the bytes.
PicturePtr LoadOlePicture(std::span<const std::uint8_t> bytes);

// The picture's physical size (HIMETRIC) at the screen's resolution.
SIZE PictureSizeOnScreen(IPicture* picture);

// Draws the whole picture stretched to `place`; transparent parts of a GIF
// leave the DC's pixels as they are.
void RenderPicture(HDC dc, IPicture* picture, const RECT& place);

}  // namespace brelfx
