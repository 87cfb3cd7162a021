#include "platform/win32/current_keyboard_layout.h"

#include <windows.h>

namespace brelfx {
namespace {

class SystemLayout final : public KeyboardLayout {
 public:
  unsigned VkToScan(unsigned vk) const override { return MapVirtualKeyA(vk, MAPVK_VK_TO_VSC); }
  unsigned ScanToVk(unsigned scan) const override {
    return MapVirtualKeyA(scan, MAPVK_VSC_TO_VK_EX);
  }
  unsigned VkToChar(unsigned vk) const override {
    // Dead keys come back with the top bit set; the character is below it.
    return MapVirtualKeyA(vk, MAPVK_VK_TO_CHAR) & 0xFFFFu;
  }
};

}  // namespace

const KeyboardLayout& CurrentKeyboardLayout() {
  static const SystemLayout layout;
  return layout;
}

}  // namespace brelfx
