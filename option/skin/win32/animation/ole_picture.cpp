#include "option/skin/win32/animation/ole_picture.h"

#include <cstring>

#include "platform/win32/handles.h"

namespace brelfx {
namespace {

constexpr int kHimetricPerInch = 2540;

}  // namespace

PicturePtr LoadOlePicture(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return nullptr;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!block) return nullptr;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(block);

  IStream* stream = nullptr;
  // The stream owns the block from here on and frees it with itself.
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
    GlobalFree(block);
    return nullptr;
  }
  std::unique_ptr<IStream, ComRelease> streamOwner(stream);
  void* picture = nullptr;
  if (FAILED(
          OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture, &picture)))
    return nullptr;
  return PicturePtr(static_cast<IPicture*>(picture));
}

SIZE PictureSizeOnScreen(IPicture* picture) {
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  WindowDc screen(nullptr);
  return SIZE{MulDiv(width, GetDeviceCaps(screen.get(), LOGPIXELSX), kHimetricPerInch),
              MulDiv(height, GetDeviceCaps(screen.get(), LOGPIXELSY), kHimetricPerInch)};
}

void RenderPicture(HDC dc, IPicture* picture, const RECT& place) {
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  // HIMETRIC runs bottom-up: start at the bottom edge with a negative height.
  picture->Render(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, 0,
                  height, width, -height, nullptr);
}

}  // namespace brelfx
