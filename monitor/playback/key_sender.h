// Keyboard and mouse events of the keyboard's key codes, as macros and
// shortcuts send them: HID usages become virtual keys through the key code
// table (left and right Shift, Ctrl and Alt folded into one), every keyboard
// event carries the key's scan code under the active layout and, for the keys
// Windows itself reports as extended (arrows, the block above them, right
// Ctrl/Alt, keypad Enter and /, …), the extended flag, without which programs
// that read scan codes see the numeric keypad's keys. The codes 0xF0-0xF4 are
// the five mouse buttons.
#pragma once

#include <cstdint>

#include "platform/input_injector.h"
#include "platform/keyboard_layout.h"

namespace brelfx {

constexpr unsigned kVkShift = 0x10;
constexpr unsigned kVkControl = 0x11;
constexpr unsigned kVkMenu = 0x12;
constexpr unsigned kVkLeftWindows = 0x5B;
constexpr unsigned kVkRightWindows = 0x5C;

bool IsMouseCode(std::uint8_t code);

// VK_LSHIFT/VK_RSHIFT → VK_SHIFT and the same for Ctrl and Alt; other keys
// unchanged. The Windows keys have no sideless form and stay as they are.
unsigned FoldSidedModifier(unsigned vk);

// A key as it is injected: the folded virtual key and the extended flag.
struct InjectedKey {
  unsigned vk = 0;  // 0: the code has no key
  bool extended = false;
};

// The injected form of a virtual key that may name a side (VK_RCONTROL).
InjectedKey KeyOfVk(unsigned vk);

class KeySender {
 public:
  KeySender(InputInjector& input, const KeyboardLayout& layout);

  // The key of a key code; vk 0 when the code has none.
  InjectedKey KeyOfCode(std::uint8_t code) const;
  // A keyboard event of a key with its scan code.
  void SendKey(InjectedKey key, bool up);
  // Press or release of a key code: a mouse button, or the folded key;
  // a code without a key sends nothing.
  void SendCode(std::uint8_t code, bool up);

 private:
  InputInjector& input_;
  const KeyboardLayout& layout_;
};

}  // namespace brelfx
