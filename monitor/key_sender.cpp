#include "monitor/key_sender.h"

#include "settings/key_code_table.h"

namespace brelfx {
namespace {

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

unsigned KeySender::VkOfCode(std::uint8_t code) const {
  return FoldSidedModifier(VkOfUsage(code, layout_));
}

void KeySender::SendKey(unsigned vk, bool up) {
  input_.KeyboardEvent(static_cast<std::uint8_t>(vk),
                       static_cast<std::uint8_t>(layout_.VkToScan(vk)), up ? kKeyEventKeyUp : 0);
}

void KeySender::SendCode(std::uint8_t code, bool up) {
  if (IsMouseCode(code)) {
    const MouseButton& button = kMouseButtons[code - kFirstMouseCode];
    input_.MouseEvent(up ? button.upFlag : button.downFlag, button.data);
    return;
  }
  const unsigned vk = VkOfCode(code);
  if (vk != 0) SendKey(vk, up);
}

}  // namespace brelfx
