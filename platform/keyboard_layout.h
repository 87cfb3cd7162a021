// Keyboard-layout seam: the translations between virtual keys, scan codes and
// characters that Windows does with MapVirtualKey under the active layout.
#pragma once

namespace brelfx {

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // Scan code of a virtual key (MAPVK_VK_TO_VSC); 0 when the key has none.
  virtual unsigned VkToScan(unsigned vk) const = 0;
  // Virtual key of a scan code, telling left and right modifiers apart
  // (MAPVK_VSC_TO_VK_EX); 0 when the layout has no key there.
  virtual unsigned ScanToVk(unsigned scan) const = 0;
  // Unshifted character of a virtual key (MAPVK_VK_TO_CHAR); letters come as
  // capitals; 0 when the key types no character.
  virtual unsigned VkToChar(unsigned vk) const = 0;
};

// The US English layout, built in: the native build and its tests use it.
const KeyboardLayout& UsKeyboardLayout();

}  // namespace brelfx
