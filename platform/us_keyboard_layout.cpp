#include <array>

#include "platform/keyboard_layout.h"

namespace brelfx {
namespace {

struct KeyRow {
  unsigned char vk;
  unsigned char scan;  // set-1 make code without the E0 prefix
  char character;      // unshifted character, 0 for none
};

// The keys of a US 101/102-key keyboard as Windows' US layout maps them.
// A make code can belong to two keys (the E0-prefixed extended key and the
// one in the main block or keypad); scan → VK takes the first row, so the rows
// are ordered as MapVirtualKey answers: the keypad's scan codes give the
// navigation keys (Num Lock off), 0x35 gives "/" and 0x45 Num Lock.
constexpr KeyRow kUsKeys[] = {
    {0x1B, 0x01, 0x1B}, {'1', 0x02, '1'}, {'2', 0x03, '2'}, {'3', 0x04, '3'},
    {'4', 0x05, '4'},   {'5', 0x06, '5'}, {'6', 0x07, '6'}, {'7', 0x08, '7'},
    {'8', 0x09, '8'},   {'9', 0x0A, '9'}, {'0', 0x0B, '0'}, {0xBD, 0x0C, '-'},
    {0xBB, 0x0D, '='},  {0x08, 0x0E, 8},  {0x09, 0x0F, 9},  {'Q', 0x10, 'Q'},
    {'W', 0x11, 'W'},   {'E', 0x12, 'E'}, {'R', 0x13, 'R'}, {'T', 0x14, 'T'},
    {'Y', 0x15, 'Y'},   {'U', 0x16, 'U'}, {'I', 0x17, 'I'}, {'O', 0x18, 'O'},
    {'P', 0x19, 'P'},   {0xDB, 0x1A, '['}, {0xDD, 0x1B, ']'}, {0x0D, 0x1C, 13},
    {0xA2, 0x1D, 0},    {'A', 0x1E, 'A'}, {'S', 0x1F, 'S'}, {'D', 0x20, 'D'},
    {'F', 0x21, 'F'},   {'G', 0x22, 'G'}, {'H', 0x23, 'H'}, {'J', 0x24, 'J'},
    {'K', 0x25, 'K'},   {'L', 0x26, 'L'}, {0xBA, 0x27, ';'}, {0xDE, 0x28, '\''},
    {0xC0, 0x29, '`'},  {0xA0, 0x2A, 0},  {0xDC, 0x2B, '\\'}, {'Z', 0x2C, 'Z'},
    {'X', 0x2D, 'X'},   {'C', 0x2E, 'C'}, {'V', 0x2F, 'V'}, {'B', 0x30, 'B'},
    {'N', 0x31, 'N'},   {'M', 0x32, 'M'}, {0xBC, 0x33, ','}, {0xBE, 0x34, '.'},
    {0xBF, 0x35, '/'},  {0xA1, 0x36, 0},  {0x6A, 0x37, '*'}, {0xA4, 0x38, 0},
    {0x20, 0x39, ' '},  {0x14, 0x3A, 0},  {0x70, 0x3B, 0},  {0x71, 0x3C, 0},
    {0x72, 0x3D, 0},    {0x73, 0x3E, 0},  {0x74, 0x3F, 0},  {0x75, 0x40, 0},
    {0x76, 0x41, 0},    {0x77, 0x42, 0},  {0x78, 0x43, 0},  {0x79, 0x44, 0},
    {0x90, 0x45, 0},    {0x91, 0x46, 0},  {0x24, 0x47, 0},  {0x26, 0x48, 0},
    {0x21, 0x49, 0},    {0x6D, 0x4A, '-'}, {0x25, 0x4B, 0},  {0x0C, 0x4C, 0},
    {0x27, 0x4D, 0},    {0x6B, 0x4E, '+'}, {0x23, 0x4F, 0},  {0x28, 0x50, 0},
    {0x22, 0x51, 0},    {0x2D, 0x52, 0},  {0x2E, 0x53, 0},  {0x2C, 0x54, 0},
    {0xE2, 0x56, '\\'}, {0x7A, 0x57, 0},  {0x7B, 0x58, 0},  {0x5B, 0x5B, 0},
    {0x5C, 0x5C, 0},    {0x5D, 0x5D, 0},
    // Keys whose make code already belongs to a key above.
    {0x67, 0x47, '7'},  {0x68, 0x48, '8'}, {0x69, 0x49, '9'}, {0x64, 0x4B, '4'},
    {0x65, 0x4C, '5'},  {0x66, 0x4D, '6'}, {0x61, 0x4F, '1'}, {0x62, 0x50, '2'},
    {0x63, 0x51, '3'},  {0x60, 0x52, '0'}, {0x6E, 0x53, '.'}, {0x6F, 0x35, '/'},
    {0xA3, 0x1D, 0},    {0xA5, 0x38, 0},  {0x13, 0x45, 0},
};

// The unsided modifiers translate to the scan code of their left key.
constexpr KeyRow kUnsidedModifiers[] = {{0x10, 0x2A, 0}, {0x11, 0x1D, 0}, {0x12, 0x38, 0}};

class UsLayout final : public KeyboardLayout {
 public:
  UsLayout() {
    for (const KeyRow& row : kUnsidedModifiers) byVk_[row.vk] = &row;
    for (const KeyRow& row : kUsKeys) {
      if (!byVk_[row.vk]) byVk_[row.vk] = &row;
      if (!byScan_[row.scan]) byScan_[row.scan] = &row;
    }
  }
  unsigned VkToScan(unsigned vk) const override {
    const KeyRow* row = vk < 256 ? byVk_[vk] : nullptr;
    return row ? row->scan : 0;
  }
  unsigned ScanToVk(unsigned scan) const override {
    const KeyRow* row = scan < 256 ? byScan_[scan] : nullptr;
    return row ? row->vk : 0;
  }
  unsigned VkToChar(unsigned vk) const override {
    const KeyRow* row = vk < 256 ? byVk_[vk] : nullptr;
    return row ? static_cast<unsigned char>(row->character) : 0;
  }

 private:
  std::array<const KeyRow*, 256> byVk_{};
  std::array<const KeyRow*, 256> byScan_{};
};

}  // namespace

const KeyboardLayout& UsKeyboardLayout() {
  static const UsLayout layout;
  return layout;
}

}  // namespace brelfx
