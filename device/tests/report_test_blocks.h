// Settings blocks the device tests start from.
#pragma once

#include <cstring>
#include <memory>

#include "settings/block_defaults.h"
#include "settings/settings_block.h"

namespace brelfx::test {

// A block with the built-in defaults of every slot (English system).
inline std::unique_ptr<SettingsBlock> DefaultBlock() {
  auto block = std::make_unique<SettingsBlock>();
  std::memset(block.get(), 0, sizeof(SettingsBlock));
  SetDefaults(*block, 1033);
  return block;
}

inline bool SameBlock(const SettingsBlock& a, const SettingsBlock& b) {
  return std::memcmp(&a, &b, sizeof(SettingsBlock)) == 0;
}

}  // namespace brelfx::test
