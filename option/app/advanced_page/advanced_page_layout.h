// The Advanced page's controls: layout strings and the ids their messages
// carry, in the order the page creates them. "0,0,0,0" controls exist but
// are never shown: they only carry the loaded value.
#pragma once

#include <array>

namespace brelfx::advanced_page {

// The page's switches, in creation order.
enum class Switch {
  kLiveRecordingSound,
  kProfileSwitchSound,
  kTrophySound,
  kVolumeSound,
  kSensitivitySound,
  kTab,
  kCapsLock,
  kLeftWindow,
  kRightWindow,
  kAppKey,
  kLeftShift,
  kLighting,
  kBreathing,
};
constexpr int kSwitchCount = 13;

constexpr std::array<const char*, kSwitchCount> kSwitches = {
    "Sound FeedBack Live Recording,405,199,190,15,",
    "Sound FeedBack Profile Switch,405,217,190,15,",
    "Sound Trophy,405,235,190,15,",
    "Sound Volume Up/Down,0,0,0,0,",
    "Sound FeedBack Sensitivity Switch,0,0,0,0,",
    "Tab,172,198,100,16,",
    "CapsLk,0,0,0,0,",
    "Left Window,14,198,130,16,",
    "Right Window,14,216,130,16,",
    "App Key,14,234,130,16,",
    "Left Shift,172,216,100,16,",
    "light switch,15,31,115,17,",
    "Breathing Switch,140,31,160,17,",
};

constexpr const char kSoundVolume[] = "Sound Volume,605,233,102,20,";
constexpr const char kDimmer[] = "Dimmer,408,125,170,19,";
constexpr const char kTimeOut[] = "Time Out,611,125,51,19,";
constexpr const char kReset[] = "BUTTON_Reset,660,277,100,24,Reset";
constexpr const char kBrightness[] = "Brightness,426,33,190,20,";

// By LtColorType: single, custom, flow.
constexpr std::array<const char*, 3> kColorModes = {
    "Choose a single color,15,56,145,19,",
    "Choose a custom color,170,56,102,19,",
    "Choose a flow color,284,56,90,19,",
};

// Three rows of six, six and four, 23 pixels apart.
constexpr std::array<const char*, 16> kPaletteSwatches = {
    "color1,17,78,22,22,",   "color2,40,78,22,22,",    "color3,63,78,22,22,",
    "color4,86,78,22,22,",   "color5,109,78,22,22,",   "color6,132,78,22,22,",
    "color7,17,101,22,22,",  "color8,40,101,22,22,",   "color9,63,101,22,22,",
    "color10,86,101,22,22,", "color11,109,101,22,22,", "color12,132,101,22,22,",
    "color13,17,124,22,22,", "color14,40,124,22,22,",  "color15,63,124,22,22,",
    "color16,86,124,22,22,",
};

// Red, green, blue.
constexpr std::array<const char*, 3> kCustomColorSpins = {
    "Red,204,80,45,19,", "Green,252,80,45,19,", "Blue,300,80,45,19,"};
constexpr const char kCustomColorChip[] = "Custom Color,175,78,22,22,";
constexpr const char kSpectrum[] = "Custom Color Window,172,121,176,28,";
constexpr const char kKeyRepeat[] = "BUTTON_Character,294,278,80,25,Reset";

// WM_SLIDER_POS ids.
constexpr int kBrightnessSliderId = 302;
constexpr int kVolumeSliderId = 200;
constexpr int kHighestBrightness = 5;
constexpr int kHighestVolume = 4;

// WM_SPIN_VALUE ids of red, green and blue; the spins run 0-255.
constexpr int kRedSpinId = 500;
constexpr int kHighestColorByte = 255;

// Menu command ids: the dimmer's six steps and the time-out's 1-30.
constexpr unsigned kDimmerMenuFirst = 100;
constexpr int kDimmerSteps = 6;
constexpr int kDimmerMenuMinWidth = 152;
constexpr unsigned kTimeOutMenuFirst = 200;
constexpr int kLongestTimeOut = 30;
constexpr int kTimeOutMenuMinWidth = 20;

}  // namespace brelfx::advanced_page
