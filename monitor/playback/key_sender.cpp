#include "monitor/playback/key_sender.h"

#include "settings/key_code_table.h"

namespace brelfx {
namespace {

constexpr std::uint8_t kKeypadEnterUsage = 0x58;
constexpr unsigned kVkReturn = 0x0D;
constexpr std::uint8_t kFirstMouseCode = 0xF0;
constexpr std::uint8_t kLastMouseCode = 0xF4;

struct MouseButton {
  std::uint32_t downFlag;
  std::uint32_t upFlag;
  std::uint32_t data;
};

// Left, right, middle, then the two side buttons (XBUTTON2 before XBUTTON1).
constexpr MouseButton kMouseButtons[] = {
    {0x0002, 0x0004, 0}, {0x0008, 0x0010, 0}, {0x0020, 0x0040, 0},
    {0x0080, 0x0100, 2}, {0x0080, 0x0100, 1},
};

// Keys with the E0 scan-code prefix: Page Up/Down, End, Home, the arrows,
// Print Screen, Insert, Delete, both Windows keys, Application, keypad /,
// Num Lock, right Ctrl and right Alt.
bool IsExtendedVk(unsigned vk) {
  return (vk >= 0x21 && vk <= 0x28) || vk == 0x2C || vk == 0x2D || vk == 0x2E ||
         (vk >= 0x5B && vk <= 0x5D) || vk == 0x6F || vk == 0x90 || vk == 0xA3 || vk == 0xA5;
}

}  // namespace

bool IsMouseCode(std::uint8_t code) {
  return code >= kFirstMouseCode && code <= kLastMouseCode;
}

unsigned FoldSidedModifier(unsigned vk) {
  switch (vk) {
    case 0xA0:
    case 0xA1:
      return kVkShift;
    case 0xA2:
    case 0xA3:
      return kVkControl;
    case 0xA4:
    case 0xA5:
      return kVkMenu;
    default:
      return vk;
  }
}

KeySender::KeySender(InputInjector& input, const KeyboardLayout& layout)
    : input_(input), layout_(layout) {}

InjectedKey KeyOfVk(unsigned vk) {
  return {FoldSidedModifier(vk), IsExtendedVk(vk)};
}

InjectedKey KeySender::KeyOfCode(std::uint8_t code) const {
  // The table's VK_SEPARATOR is what almost no program takes for Enter;
  // Windows reports the keypad's Enter as an extended Return.
  if (code == kKeypadEnterUsage) return {kVkReturn, true};
  return KeyOfVk(VkOfUsage(code, layout_));
}

void KeySender::SendKey(InjectedKey key, bool up) {
  const std::uint32_t flags = (up ? kKeyEventKeyUp : 0) | (key.extended ? kKeyEventExtendedKey : 0);
  input_.KeyboardEvent(static_cast<std::uint8_t>(key.vk),
                       static_cast<std::uint8_t>(layout_.VkToScan(key.vk)), flags);
}

void KeySender::SendCode(std::uint8_t code, bool up) {
  if (IsMouseCode(code)) {
    const MouseButton& button = kMouseButtons[code - kFirstMouseCode];
    input_.MouseEvent(up ? button.upFlag : button.downFlag, button.data);
    return;
  }
  const InjectedKey key = KeyOfCode(code);
  if (key.vk != 0) SendKey(key, up);
}

}  // namespace brelfx
