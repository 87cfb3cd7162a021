#include "settings/key_names.h"

#include <string>

#include "settings/key_code_table.h"

namespace brelfx {
namespace {

struct Name {
  unsigned code;
  const char* text;
};

constexpr Name kVkNames[] = {
    {8, "BackSpace"}, {9, "Tab"}, {12, "Clr"}, {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"},
    {18, "Alt"}, {19, "Pause"}, {20, "Caps Lock"}, {27, "Esc"}, {32, "Space"},
    {33, "Page Up"}, {34, "Page Down"}, {35, "End"}, {36, "Home"}, {37, "Left Arrow"},
    {38, "Up Arrow"}, {39, "Right Arrow"}, {40, "Down Arrow"}, {41, "Select"},
    {42, "Print Screen"}, {43, "Exe"}, {44, "Snapshot"}, {45, "Insert"}, {46, "Delete"},
    {47, "Help"}, {91, "Left Windows Button"}, {92, "Right Windows Button"}, {93, "APP"},
    {106, "Num*"}, {107, "Num+"}, {108, "NumRet"}, {109, "Num-"}, {110, "Num."}, {111, "Num/"},
    {144, "Num Lock"}, {145, "Scroll Lock"}, {160, "Left Shift"}, {161, "Right Shift"},
    {162, "Left Ctrl"}, {163, "Right Ctrl"}, {164, "Left Alt"}, {165, "Right Alt"},
    {240, "Left Button"}, {241, "Right Button"}, {242, "Wheel"}, {243, "Side Button 1"},
    {244, "Side Button 2"},
};

constexpr Name kUsageNames[] = {
    {70, "Print Screen"}, {71, "Scroll Lock"}, {72, "Break"}, {73, "Insert"}, {74, "Home"},
    {75, "Page Up"}, {76, "Delete"}, {77, "End"}, {78, "Page Down"}, {79, "Right Arrow"},
    {80, "Left Arrow"}, {81, "Down Arrow"}, {82, "Up Arrow"}, {83, "Num Lock"}, {84, "Num_/"},
    {85, "Num_*"}, {86, "Num_-"}, {87, "Num_+"}, {88, "Num_Enter"}, {98, "Num_0"},
    {99, "Num_."}, {100, "Europe 2"}, {101, "APP"}, {130, "Sleep"}, {224, "Left Control"},
    {225, "Left Shift"}, {226, "Left Alt"}, {227, "Left GUI"}, {228, "Right Control"},
    {229, "Right Shift"}, {230, "Right Alt"}, {231, "Right GUI"}, {240, "Left Button"},
    {241, "Right Button"}, {242, "Wheel"}, {243, "Side Button 1"}, {244, "Side Button 2"},
};

template <std::size_t N>
const char* Find(const Name (&names)[N], unsigned code) {
  for (const Name& name : names)
    if (name.code == code) return name.text;
  return nullptr;
}

// Capital of a Windows-1252 letter; other characters unchanged.
unsigned char UpperCase(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  return c;
}

}  // namespace

std::string KeyNameOfVk(unsigned vk, const KeyboardLayout& layout) {
  if (const char* name = Find(kVkNames, vk)) return name;
  if (vk >= 96 && vk <= 105) return "Num" + std::to_string(vk - 96);
  if (vk >= 112 && vk <= 123) return "F" + std::to_string(vk - 111);
  const unsigned character = layout.VkToChar(vk) & 0xFFu;
  if (character == 0) return "";
  return std::string(1, static_cast<char>(UpperCase(static_cast<unsigned char>(character))));
}

std::string KeyNameOfUsage(unsigned usage, const KeyboardLayout& layout) {
  if (usage >= 4 && usage <= 57) return KeyNameOfVk(VkOfUsage(usage, layout), layout);
  if (usage >= 58 && usage <= 69) return "F" + std::to_string(usage - 57);
  if (usage >= 89 && usage <= 97) return "Num_" + std::to_string(usage - 88);
  if (const char* name = Find(kUsageNames, usage)) return name;
  return "";
}

}  // namespace brelfx
