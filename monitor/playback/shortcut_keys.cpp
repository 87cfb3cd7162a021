#include "monitor/playback/shortcut_keys.h"

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

void ShortcutKeys::KeyDown(int keyIndex, const MacroEvent& shortcut) {
  ReleaseHeld();
  holder_ = keyIndex;
  held_ = shortcut;
  Press(shortcut);
  firstRepeat_ = true;
  timers_.StartTimer(kTimerShortcutRepeat, kShortcutFirstRepeatMs);
}

void ShortcutKeys::KeyUp(int keyIndex) {
  if (keyIndex == holder_) ReleaseHeld();
}

void ShortcutKeys::ReleaseHeld() {
  if (holder_ == kNoKey) return;
  timers_.StopTimer(kTimerShortcutRepeat);
  holder_ = kNoKey;
  Release(held_);
}

void ShortcutKeys::OnRepeatTimer() {
  // A firing already queued when the key came up repeats nothing.
  if (holder_ == kNoKey) return;
  if (firstRepeat_) {
    firstRepeat_ = false;
    timers_.StartTimer(kTimerShortcutRepeat, kShortcutRepeatMs);
  }
  const InjectedKey key = keys_.KeyOfCode(held_.Code);
  if (!Repeats(key.vk)) return;
  keys_.SendKey(key, true);
  clock_.SleepMs(kModifierWaitMs);
  keys_.SendKey(key, false);
}

void ShortcutKeys::Press(const MacroEvent& shortcut) {
  const Modifiers modifiers = ModifiersOf(shortcut.Type);
  for (unsigned vk : modifiers.Keys()) {
    keys_.SendKey(KeyOfVk(vk), false);
    clock_.SleepMs(kModifierWaitMs);
  }
  const InjectedKey key = keys_.KeyOfCode(shortcut.Code);
  if (key.vk != 0) keys_.SendKey(key, false);
}

void ShortcutKeys::Release(const MacroEvent& shortcut) {
  const InjectedKey key = keys_.KeyOfCode(shortcut.Code);
  if (key.vk != 0) keys_.SendKey(key, true);
  const Modifiers modifiers = ModifiersOf(shortcut.Type);
  const std::span<const unsigned> keys = modifiers.Keys();
  for (auto modifier = keys.rbegin(); modifier != keys.rend(); ++modifier) {
    clock_.SleepMs(kModifierWaitMs);
    keys_.SendKey(KeyOfVk(*modifier), true);
  }
}

}  // namespace brelfx
