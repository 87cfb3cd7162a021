#include "option/skin/win32/placement.h"

#include "option/skin/window_bounds.h"

namespace brelfx {

RECT ToRect(const SkinRect& r) {
  // Through the window bounds, so that right - left (what window creation
  // computes) cannot overflow for any layout string.
  const WindowBounds b = WindowBoundsOf(r);
  return RECT{b.x, b.y, SaturatedInt32(int64_t{b.x} + b.width),
              SaturatedInt32(int64_t{b.y} + b.height)};
}

LayoutItem PlaceSkinButton(HWND owner, CSkinButton& button, const char* layout, const SkinSet& skin,
                           bool toggle) {
  const LayoutItem item = ParseLayoutString(layout);
  const RECT rect = ToRect(item.rect);
  button.Create(owner, rect, 0);
  button.SetSkinParts(rect, skin);
  button.SetTooltip(item.tooltip);
  button.SetToggleMode(toggle);
  return item;
}

LayoutItem PlaceImageButton(HWND owner, CSkinButton& button, const char* layout, int normalId,
                            int hoverId, int pressedId, int disabledId, bool toggle) {
  UniqueBitmap normal = LoadSkinBitmap(normalId);
  UniqueBitmap hover = LoadSkinBitmap(hoverId);
  UniqueBitmap pressed = LoadSkinBitmap(pressedId);
  UniqueBitmap disabled = LoadSkinBitmap(disabledId);
  const LayoutItem item = ParseLayoutString(layout);
  const SIZE size = BitmapSize(disabled.get());
  const RECT rect{item.rect.left, item.rect.top, item.rect.left + size.cx, item.rect.top + size.cy};
  button.Create(owner, rect, 0);
  button.SetOwnImages(std::move(normal), std::move(hover), std::move(pressed), std::move(disabled));
  button.SetTooltip(item.tooltip);
  button.SetToggleMode(toggle);
  return item;
}

bool PlaceSlider(HWND owner, CclickHSlider& slider, const char* layout, int id, int thumbBitmapId,
                 int highest, const SkinSet& skin) {
  const RECT rect = ToRect(ParseLayoutString(layout).rect);
  if (!slider.Create(thumbBitmapId, rect, owner, id)) return false;
  slider.SetBackground(rect, skin.Image(SkinRole::kNormal));
  slider.SetRange(0, highest);
  slider.SetRounding(true);
  return true;
}

}  // namespace brelfx
