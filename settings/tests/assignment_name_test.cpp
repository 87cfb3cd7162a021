#include "settings/assignment_name.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/block_defaults.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

const KeyboardLayout& us = UsKeyboardLayout();

class AssignmentName : public ::testing::Test {
 protected:
  AssignmentName() {
    std::memset(&key_, 0, sizeof(key_));
    std::memset(&devices_, 0, sizeof(devices_));
  }
  std::string Name() { return DisplayName(key_, devices_, us); }
  void AddDevice(std::uint16_t pid, const char* name) {
    CompanionDevice& d = devices_.Devices[devices_.Count++];
    d.PID = pid;
    SetTextField(d.Name, name);
    for (int i = 0; i < kCpiSteps; ++i) d.CPI[i] = 400 * (i + 1);
  }
  KeyAssignment key_;
  CompanionDeviceList devices_;
};

TEST_F(AssignmentName, ShortcutNamesModifiersInFixedOrder) {
  key_.FunctionCode = kFnShortcut;
  EXPECT_EQ(Name(), "");  // no action yet
  key_.ActionCount = 1;
  key_.Actions[0] = MacroEvent{0x04, 0x06, 0};
  EXPECT_EQ(Name(), "Ctrl+Shift+A");
  key_.Actions[0].Type = 0x07;  // bit 0: shown without modifiers
  EXPECT_EQ(Name(), "A");
  key_.Actions[0] = MacroEvent{0x1E, 0x1E, 0};
  EXPECT_EQ(Name(), "Ctrl+Shift+Alt+Win+1");
  key_.Actions[0] = MacroEvent{0x58, 0x08, 0};
  EXPECT_EQ(Name(), "Alt+Num_Enter");
}

TEST_F(AssignmentName, CompanionDevicesByTargetPid) {
  key_.TargetPid = 0x1234;
  key_.FunctionCode = kFnKalim1;
  EXPECT_EQ(Name(), "Kalim #1");
  key_.FunctionCode = kFnKalim5;
  EXPECT_EQ(Name(), "Kalim #5");
  key_.FunctionCode = kFnVexaDevice;
  EXPECT_EQ(Name(), "");

  AddDevice(0x1111, "Other");
  AddDevice(0x1234, "Rodent");
  key_.FunctionCode = 0xF9;
  EXPECT_EQ(Name(), "Rodent Kalim 1200");
  key_.FunctionCode = kFnVexaDevice;
  EXPECT_EQ(Name(), "Vexa Rodent ");
  key_.FunctionCode = kFnVexaDeviceLock;
  EXPECT_EQ(Name(), "Vexa Rodent  Lock");
  devices_.Count = -3;  // a damaged count finds nothing
  EXPECT_EQ(Name(), "");
}

TEST_F(AssignmentName, TextsFromTheAssignment) {
  key_.FunctionCode = kFnQuickLaunch;
  SetTextField(key_.LaunchPath, "C:\\Program Files\\Game\\launch.me.exe");
  EXPECT_EQ(Name(), "launch.me.exe");
  SetTextField(key_.LaunchPath, "notes.txt");
  EXPECT_EQ(Name(), "notes.txt");
  key_.FunctionCode = kFnStartTimer;
  SetTextField(key_.TimerName, "Respawn");
  EXPECT_EQ(Name(), "Respawn");
  key_.FunctionCode = kFnMacro;
  SetTextField(key_.MacroName, "Combo");
  EXPECT_EQ(Name(), "Combo");
}

TEST_F(AssignmentName, FixedTextsOfFunctionCodes) {
  const std::pair<int, const char*> cases[] = {
      {0x00, "Disabled"},   {0xDF, "Disabled"},      {0x39, "Caps Lock"},   {0x81, "Shut Down"},
      {0x83, "Wake"},       {0x8C, "Vexa all devices"}, {0x8D, "Vexa all Lock"},
      {0xB2, "Profile Cycle"}, {0xB3, "Profile 1"}, {0xB7, "Profile 5"},   {0xBA, "Macro-Play/Pause"},
      {0xBD, "Stop Timer"}, {0xC0, "EMail"},         {0xCA, "WWW Favorites"}, {0xCB, "Open Player"},
      {0xCF, "Stop"},       {0xD1, "Windows Volume Down"}, {0xD3, "Shift+1"}, {0xDC, "Ctrl+5"},
      {0xDD, "Open Driver"}, {0xFF, "Vexa Brel FX"}, {0x40, ""},             {0xE0, ""},
      {0xFC, ""},
  };
  for (const auto& [code, text] : cases) {
    key_.FunctionCode = static_cast<std::uint8_t>(code);
    EXPECT_EQ(Name(), text) << code;
  }
}

TEST_F(AssignmentName, StandardFunctionNamesTheKeyItself) {
  EXPECT_EQ(StandardFunctionName(0, us), "Shift+1");
  EXPECT_EQ(StandardFunctionName(9, us), "Ctrl+5");
  EXPECT_EQ(StandardFunctionName(10, us), "1");
  EXPECT_EQ(StandardFunctionName(15, us), "Q");
  EXPECT_EQ(StandardFunctionName(20, us), "A");
  EXPECT_EQ(StandardFunctionName(29, us), "B");
  EXPECT_EQ(StandardFunctionName(36, us), "F1");
  EXPECT_EQ(StandardFunctionName(47, us), "F12");
  EXPECT_EQ(StandardFunctionName(33, us), "Caps Lock");
  EXPECT_EQ(StandardFunctionName(56, us), "Caps Lock");
  EXPECT_EQ(StandardFunctionName(53, us), "Next Track");
  EXPECT_EQ(StandardFunctionName(57, us), "");
  EXPECT_EQ(StandardFunctionName(58, us), "");

  key_.FunctionCode = kFnStandard;
  key_.KeyIndex = 24;
  EXPECT_EQ(Name(), "G");
}

TEST_F(AssignmentName, EveryDefaultKeyHasAText) {
  ProfileRecord profile;
  SetProfileDefaults(profile, 0);
  for (const KeyAssignment& key : profile.MacroKeyInfo)
    EXPECT_FALSE(DisplayName(key, devices_, us).empty()) << int{key.KeyIndex};
  EXPECT_EQ(DisplayName(profile.MacroKeyInfo[30], devices_, us), "Profile Down");
  EXPECT_EQ(DisplayName(profile.MacroKeyInfo[56], devices_, us), "Vexa Brel FX");
}

}  // namespace
}  // namespace brelfx
