#include "option/skin/edit_text.h"

namespace brelfx {

bool IsNumericEditKey(unsigned vk) {
  constexpr unsigned kBack = 0x08, kReturn = 0x0D, kEnd = 0x23, kHome = 0x24, kLeft = 0x25,
                     kRight = 0x27, kDelete = 0x2E, kOemPlus = 0xBB, kOemMinus = 0xBD;
  const bool mainDigit = vk >= '0' && vk <= '9';
  const bool padDigit = vk >= 0x60 && vk <= 0x69;  // VK_NUMPAD0..VK_NUMPAD9
  switch (vk) {
    case kBack:
    case kReturn:
    case kEnd:
    case kHome:
    case kLeft:
    case kRight:
    case kDelete:
    case kOemPlus:
    case kOemMinus:
      return true;
    default:
      return mainDigit || padDigit;
  }
}

std::string ReduceNumericText(std::string_view text, bool allowSign) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if ((c >= '0' && c <= '9') || (allowSign && (c == '-' || c == '+'))) kept.push_back(c);
  }
  return kept;
}

}  // namespace brelfx
