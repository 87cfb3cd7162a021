#include "option/app/macro_editor/macro_key_codes.h"

#include "option/app/shortcut/shortcut_key.h"

namespace brelfx {

bool IsMouseCode(std::uint8_t code) {
  return code >= kMouseLeft && code <= kLastMouseCode;
}

std::optional<std::uint8_t> MacroKeyCodeOfKey(unsigned vk, unsigned scan,
                                              const KeyboardLayout& layout) {
  if (vk >= kMouseLeft && vk <= kLastMouseCode) return static_cast<std::uint8_t>(vk);
  return UsageOfPressedKey(vk, scan ? scan : layout.VkToScan(vk), layout);
}

}  // namespace brelfx
