#include "monitor/shortcut_keys.h"

#include <array>
#include <span>

#include "monitor/timer_ids.h"

namespace brelfx {
namespace {

constexpr int kModifierWaitMs = 1;

struct Modifiers {
  std::array<unsigned, 4> vks;
  int count = 0;
  std::span<const unsigned> Keys() const { return {vks.data(), static_cast<std::size_t>(count)}; }
};

// Ctrl, Shift, Alt, Windows: the order in which they go down.
Modifiers ModifiersOf(std::uint8_t bits) {
  Modifiers modifiers{};
  if (bits & 0x01) return modifiers;
  if (bits & 0x04) modifiers.vks[modifiers.count++] = kVkControl;
  if (bits & 0x02) modifiers.vks[modifiers.count++] = kVkShift;
  if (bits & 0x08) modifiers.vks[modifiers.count++] = kVkMenu;
  if (bits & 0x10) modifiers.vks[modifiers.count++] = kVkLeftWindows;
  return modifiers;
}

// Modifiers never repeat: a held Shift does not either.
bool Repeats(unsigned vk) {
  return vk != 0 && vk != kVkShift && vk != kVkControl && vk != kVkMenu && vk != kVkLeftWindows &&
         vk != kVkRightWindows;
}

}  // namespace

ShortcutKeys::ShortcutKeys(KeySender& keys, Clock& clock, WindowTimers& timers)
    : keys_(keys), clock_(clock), timers_(timers) {}

void ShortcutKeys::KeyDown(const MacroEvent& shortcut) {
  held_ = shortcut;
  Press(shortcut);
  firstRepeat_ = true;
  timers_.StartTimer(kTimerShortcutRepeat, kShortcutFirstRepeatMs);
}

void ShortcutKeys::KeyUp(const MacroEvent& shortcut) {
  timers_.StopTimer(kTimerShortcutRepeat);
  Release(shortcut);
}

void ShortcutKeys::OnRepeatTimer() {
  if (firstRepeat_) {
    firstRepeat_ = false;
    timers_.StartTimer(kTimerShortcutRepeat, kShortcutRepeatMs);
  }
  const unsigned vk = keys_.VkOfCode(held_.Code);
  if (!Repeats(vk)) return;
  keys_.SendKey(vk, true);
  clock_.SleepMs(kModifierWaitMs);
  keys_.SendKey(vk, false);
}

void ShortcutKeys::Press(const MacroEvent& shortcut) {
  const Modifiers modifiers = ModifiersOf(shortcut.Type);
  for (unsigned vk : modifiers.Keys()) {
    keys_.SendKey(vk, false);
    clock_.SleepMs(kModifierWaitMs);
  }
  const unsigned vk = keys_.VkOfCode(shortcut.Code);
  if (vk != 0) keys_.SendKey(vk, false);
}

void ShortcutKeys::Release(const MacroEvent& shortcut) {
  const unsigned vk = keys_.VkOfCode(shortcut.Code);
  if (vk != 0) keys_.SendKey(vk, true);
  const Modifiers modifiers = ModifiersOf(shortcut.Type);
  const std::span<const unsigned> keys = modifiers.Keys();
  for (auto modifier = keys.rbegin(); modifier != keys.rend(); ++modifier) {
    clock_.SleepMs(kModifierWaitMs);
    keys_.SendKey(*modifier, true);
  }
}

}  // namespace brelfx
