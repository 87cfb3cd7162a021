// Settings blocks the device tests start from.
#pragma once

#include <cstdio>
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

// Makes key `key` of profile `slot` a macro of `actions` distinct actions.
inline void GiveMacro(SettingsBlock& block, int slot, int key, int actions) {
  KeyAssignment& entry = block.Profiles[slot].MacroKeyInfo[key];
  entry.FunctionCode = kFnMacro;
  entry.RepeatCount = 1 + key % 3;
  std::snprintf(entry.MacroName, sizeof(entry.MacroName), "Macro %d-%d", slot, key);
  entry.ActionCount = static_cast<std::uint16_t>(actions);
  std::memset(entry.Actions, 0, sizeof(entry.Actions));
  for (int i = 0; i < actions; ++i)
    entry.Actions[i] = {static_cast<std::uint8_t>(4 + (i + key) % 30),
                        static_cast<std::uint8_t>(1 + i % 2),
                        static_cast<std::uint16_t>(10 * slot + i)};
}

inline bool SameBlock(const SettingsBlock& a, const SettingsBlock& b) {
  return std::memcmp(&a, &b, sizeof(SettingsBlock)) == 0;
}

}  // namespace brelfx::test
