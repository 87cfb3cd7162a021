#include "option/app/shortcut/shortcut_key.h"

#include "settings/key_code_table.h"

namespace brelfx {
namespace {

constexpr unsigned kFirstLayoutUsage = 0x04;
constexpr unsigned kLastLayoutUsage = 0x45;

// The usage whose key the layout gives this virtual key; 0 when none.
std::uint8_t UsageOfLayoutVk(unsigned vk, const KeyboardLayout& layout) {
  if (vk == 0) return 0;
  for (unsigned usage = kFirstLayoutUsage; usage <= kLastLayoutUsage; ++usage)
    if (VkOfUsage(usage, layout) == vk) return static_cast<std::uint8_t>(usage);
  return 0;
}

}  // namespace

std::optional<std::uint8_t> UsageOfPressedKey(unsigned vk, unsigned scan,
                                              const KeyboardLayout& layout) {
  if (const std::uint8_t fixed = UsageOfFixedVk(vk)) return fixed;
  const std::uint8_t byVk = UsageOfLayoutVk(vk, layout);
  if (!byVk) return std::nullopt;
  // Two keys of a layout can share a virtual key; the scan code says which
  // one was pressed. Without a usable scan code the virtual key's row stands.
  if (const std::uint8_t byScan = UsageOfScanCode(scan)) return byScan;
  return byVk;
}

}  // namespace brelfx
