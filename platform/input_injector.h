// Input seam: synthetic keyboard and mouse input as keybd_event and
// mouse_event put it into the system's input stream.
#pragma once

#include <cstdint>

namespace brelfx {

constexpr std::uint32_t kKeyEventExtendedKey = 0x0001;  // KEYEVENTF_EXTENDEDKEY
constexpr std::uint32_t kKeyEventKeyUp = 0x0002;        // KEYEVENTF_KEYUP

class InputInjector {
 public:
  virtual ~InputInjector() = default;
  // One key going down (flags 0) or up (kKeyEventKeyUp), with
  // kKeyEventExtendedKey for the keys whose scan code has the E0 prefix.
  virtual void KeyboardEvent(std::uint8_t vk, std::uint8_t scanCode, std::uint32_t flags) = 0;
  // One mouse button event (MOUSEEVENTF_* flags) without movement; data
  // names the X button.
  virtual void MouseEvent(std::uint32_t flags, std::uint32_t data) = 0;
};

}  // namespace brelfx
