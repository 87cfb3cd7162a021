#include "option/skin/win32/skin_image.h"

#include "platform/log.h"

namespace brelfx {

UniqueBitmap LoadSkinBitmap(int resourceId) {
  HANDLE image = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP,
                            0, 0, LR_CREATEDIBSECTION);
  if (!image) DebugLog("skin bitmap %d missing: %lu\n", resourceId, GetLastError());
  return UniqueBitmap(static_cast<HBITMAP>(image));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void CropSkinImage(HDC dc, UniqueBitmap& target, HBITMAP source, const RECT& rect) {
  if (!source) return;
  target.reset();
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  WindowDc screen(nullptr);
  HDC reference = dc ? dc : screen.get();
  UniqueBitmap cropped(CreateCompatibleBitmap(reference, width, height));
  UniqueMemoryDc from(CreateCompatibleDC(reference));
  UniqueMemoryDc to(CreateCompatibleDC(reference));
  if (!cropped || !from || !to) return;
  {
    SelectGuard selectSource(from.get(), source);
    SelectGuard selectTarget(to.get(), cropped.get());
    StretchBlt(to.get(), 0, 0, width, height, from.get(), rect.left, rect.top, width, height,
               SRCCOPY);
  }
  target = std::move(cropped);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  const SIZE size = BitmapSize(bitmap);
  DrawBitmapPart(dc, bitmap, x, y, RECT{0, 0, size.cx, size.cy});
}

void DrawBitmapPart(HDC dc, HBITMAP bitmap, int x, int y, const RECT& part) {
  if (!bitmap) return;
  UniqueMemoryDc source(CreateCompatibleDC(dc));
  if (!source) return;
  SelectGuard select(source.get(), bitmap);
  BitBlt(dc, x, y, part.right - part.left, part.bottom - part.top, source.get(), part.left,
         part.top, SRCCOPY);
}

bool SkinSet::Load(const SkinSetIds& ids) {
  const int byRole[5] = {ids.shape, ids.normal, ids.hover, ids.pressed, ids.extra};
  for (int i = 0; i < 5; ++i) {
    ids_[i] = byRole[i];
    images_[i].reset();
    decoded_[i] = false;
  }
  Image(SkinRole::kNormal);
  return static_cast<bool>(images_[static_cast<int>(SkinRole::kNormal)]);
}

HBITMAP SkinSet::Image(SkinRole role) const {
  const int index = static_cast<int>(role);
  if (!decoded_[index]) {
    decoded_[index] = true;
    if (ids_[index]) images_[index] = LoadSkinBitmap(ids_[index]);
  }
  if (const UniqueBitmap& own = images_[index]) return own.get();
  const std::optional<SkinRole> standIn = SkinRoleStandIn(role);
  return standIn ? Image(*standIn) : nullptr;
}

}  // namespace brelfx
