#include "settings/assignment_name.h"

#include <cstdint>
#include <string>

#include "platform/path.h"
#include "settings/key_names.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

// Fixed texts of function codes 0x81-0xDF; null where the code has none.
const char* FixedText(std::uint8_t code) {
  switch (code) {
    case 0x00: case 0xDF: return "Disabled";
    case 0x39: return "Caps Lock";
    case 0x81: return "Shut Down";
    case 0x82: return "Sleep";
    case 0x83: return "Wake";
    case 0x8C: return "Vexa all devices";
    case 0x8D: return "Vexa all Lock";
    case 0xB0: return "Profile Up";
    case 0xB1: return "Profile Down";
    case 0xB2: return "Profile Cycle";
    case 0xBA: return "Macro-Play/Pause";
    case 0xBB: return "Macro-Stop";
    case 0xBD: return "Stop Timer";
    case 0xDD: return "Open Driver";
    case 0xFF: return "Vexa Brel FX";
    default: break;
  }
  static constexpr const char* kApplications[] = {
      "EMail", "Calculator", "My Computer", "IE Browser", "WWW Search", "WWW Home",
      "WWW Back", "WWW Forward", "WWW Stop", "WWW Refresh", "WWW Favorites",       // 0xC0-0xCA
      "Open Player", "Play/Pause", "Next Track", "Previous Track", "Stop",         // 0xCB-0xCF
      "Windows Volume Up", "Windows Volume Down", "Windows Mute",                  // 0xD0-0xD2
      "Shift+1", "Shift+2", "Shift+3", "Shift+4", "Shift+5",                       // 0xD3-0xD7
      "Ctrl+1", "Ctrl+2", "Ctrl+3", "Ctrl+4", "Ctrl+5",                            // 0xD8-0xDC
  };
  if (code >= 0xC0 && code <= 0xDC) return kApplications[code - 0xC0];
  return nullptr;
}

// Modifier bits of a shortcut's first action; bit 0 hides the modifier names.
std::string ShortcutText(const KeyAssignment& a, const KeyboardLayout& layout) {
  if (a.ActionCount == 0) return "";
  const MacroEvent& key = a.Actions[0];
  std::string text;
  if ((key.Type & 0x01) == 0) {
    if (key.Type & 0x04) text += "Ctrl+";
    if (key.Type & 0x02) text += "Shift+";
    if (key.Type & 0x08) text += "Alt+";
    if (key.Type & 0x10) text += "Win+";
  }
  return text + KeyNameOfUsage(key.Code, layout);
}

std::string CompanionText(const KeyAssignment& a, const CompanionDeviceList& devices) {
  const CompanionDevice* device = FindCompanionDevice(devices, a.TargetPid);
  const int kalimStep = a.FunctionCode - kFnKalim1;  // 0-4 for the Kalim codes
  if (!device) {
    if (a.FunctionCode >= kFnKalim1 && a.FunctionCode <= kFnKalim5)
      return "Kalim #" + std::to_string(kalimStep + 1);
    return "";
  }
  const std::string name = TextField(device->Name) + " ";
  if (a.FunctionCode == kFnVexaDevice) return "Vexa " + name;
  if (a.FunctionCode == kFnVexaDeviceLock) return "Vexa " + name + " Lock";
  return name + "Kalim " + std::to_string(device->CPI[kalimStep]);
}

}  // namespace

std::string StandardFunctionName(int keyIndex, const KeyboardLayout& layout) {
  // HID usages of the twenty Zonix keys 1-5, Q-T, A-G, Z-B (key indices 10-29).
  static constexpr std::uint8_t kZonixUsages[20] = {0x1E, 0x1F, 0x20, 0x21, 0x22, 0x14, 0x1A,
                                                    0x08, 0x15, 0x17, 0x04, 0x16, 0x07, 0x09,
                                                    0x0A, 0x1D, 0x1B, 0x06, 0x19, 0x05};
  if (keyIndex >= 0 && keyIndex <= 4) return "Shift+" + std::to_string(keyIndex + 1);
  if (keyIndex >= 5 && keyIndex <= 9) return "Ctrl+" + std::to_string(keyIndex - 4);
  if (keyIndex >= 10 && keyIndex <= 29) return KeyNameOfUsage(kZonixUsages[keyIndex - 10], layout);
  if (keyIndex >= 36 && keyIndex <= 47) return KeyNameOfUsage(0x3A + (keyIndex - 36), layout);
  switch (keyIndex) {
    case 30: return "Profile Down";
    case 31: return "Open Driver";
    case 32: return "Profile Up";
    case 33: case kKeyCapsLk: return "Caps Lock";
    case 34: return "Open Player";
    case 35: return "EMail";
    case 48: return "Windows Mute";
    case 49: return "Windows Volume Down";
    case 50: return "Windows Volume Up";
    case 51: return "Play/Pause";
    case 52: return "Previous Track";
    case 53: return "Next Track";
    case 54: return "IE Browser";
    case 55: return "My Computer";
    default: return "";
  }
}

std::string DisplayName(const KeyAssignment& a, const CompanionDeviceList& devices,
                        const KeyboardLayout& layout) {
  const std::uint8_t code = a.FunctionCode;
  if (const char* text = FixedText(code)) return text;
  if (code >= 0xB3 && code <= 0xB7) return "Profile " + std::to_string(code - 0xB2);
  switch (code) {
    case kFnShortcut: return ShortcutText(a, layout);
    case kFnQuickLaunch: return std::string(FileNameOf(TextField(a.LaunchPath)));
    case kFnStartTimer: return TextField(a.TimerName);
    case kFnMacro: return TextField(a.MacroName);
    case kFnStandard: return StandardFunctionName(a.KeyIndex, layout);
    default: break;
  }
  if (code >= kFnVexaDevice && code <= kFnKalim5) return CompanionText(a, devices);
  return "";
}

}  // namespace brelfx
