#include "monitor/desktop/player_key_messages.h"

namespace brelfx {

std::uint32_t KeyMessageLParam(const PlayerKey& key, bool keyUp) {
  std::uint32_t lParam = 1u | static_cast<std::uint32_t>(key.scanCode) << 16;
  if (key.extended) lParam |= 1u << 24;
  if (keyUp) lParam |= 3u << 30;
  return lParam;
}

}  // namespace brelfx
