// The settings record shared by the option application, the monitor, the
// profile files and the keyboard. Every offset and width is part of the stored
// and shared format: little-endian, packed, fixed-width fields only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace brelfx {

constexpr int kProfileCount = 5;
constexpr int kKeyCount = 58;
constexpr int kMaxActions = 500;
constexpr int kUpdateFlagCount = 16;
constexpr int kInfoDataSize = 144;

// Function codes (byte 1 of a KeyAssignment) the code refers to by name.
enum FunctionCode : std::uint8_t {
  kFnDisabled = 0x00,
  kFnCapsLock = 0x39,
  kFnShortcut = 0xB8,
  kFnQuickLaunch = 0xB9,
  kFnStartTimer = 0xBC,
  kFnMacro = 0xBE,
  kFnDisabledToo = 0xDF,
  kFnStandard = 0xEF,
  kFnVexaDevice = 0xF5,
  kFnVexaDeviceLock = 0xF6,
  kFnKalim1 = 0xF7,
  kFnKalim5 = 0xFB,
  kFnOwnVexa = 0xFF,
};

// Key indices with a meaning of their own.
constexpr int kKeyCapsLk = 56;
constexpr int kKeyVexaCapsLk = 57;

#pragma pack(push, 1)

struct MacroEvent {
  std::uint8_t Code;    // HID usage, or 0xF0-0xF4 for mouse buttons
  std::uint8_t Type;    // 1 press, 2 release (shortcut: modifier mask)
  std::uint16_t Delay;  // milliseconds after the event
};

struct LightInfo {
  std::uint8_t ColorIndex;  // 0-15 preset colour, above 15 custom colour
  std::uint8_t Flag;
  std::uint8_t Red;
  std::uint8_t Green;
  std::uint8_t Blue;
};

struct KeyAssignment {
  std::uint8_t KeyIndex;
  std::uint8_t FunctionCode;
  std::uint8_t Reserved0[2];
  std::uint32_t TargetPid;
  char Name1[50];
  char MacroSetName[50];
  char MacroName[50];
  std::uint8_t Reserved1[2];
  std::int32_t RepeatCount;
  std::uint16_t ActionCount;
  MacroEvent Actions[kMaxActions];
  std::uint8_t Reserved2[2];
  std::int32_t TimerLength;
  char TimerName[100];
  char LaunchPath[260];
};

struct ProfileRecord {
  char ProFileName[250];
  char GameFile0[500];
  char GameFile1[500];
  char GameFile2[500];
  std::uint8_t Reserved0[2];
  std::int32_t KBDelay;
  std::int32_t KBSpeed;
  std::int32_t MediaOption;
  std::int32_t HDDKeyboard;
  std::int32_t LtBrightness;
  std::int32_t DimmerOption;
  std::int32_t LtTimeout;
  std::int32_t ModifyKey[6];  // Tab, CapsLk, Left Window, Right Window, App Key, Left Shift
  std::int32_t SoundProfile;
  std::int32_t SoundLRecord;
  std::int32_t SoundSens;
  std::int32_t VolumeUpDown;
  std::int32_t SoundTrophy;
  std::int32_t SoundVolume;
  std::int32_t LtSwitch;
  std::int32_t LtBreathSwitch;
  std::int32_t LtColorType;
  LightInfo FixedLtInfo;
  LightInfo CCLtInfo;
  std::uint8_t Reserved1[2];
  KeyAssignment MacroKeyInfo[kKeyCount];
};

struct SettingsBlock {
  std::int32_t CurrentProfile;
  std::int32_t WindowsProfile;
  std::int32_t QuickHelpLan;
  std::int32_t MouseType;
  std::uint8_t InfoData[kInfoDataSize];
  ProfileRecord Profiles[kProfileCount];
  // Change area: filled by Apply, never stored in files.
  std::int32_t KeyChanged[kProfileCount][kKeyCount];
  std::int32_t UpdateFlags[kUpdateFlagCount];
};

#pragma pack(pop)

static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, Delay) == 2);
static_assert(sizeof(LightInfo) == 5);

static_assert(sizeof(KeyAssignment) == 2532);
static_assert(offsetof(KeyAssignment, FunctionCode) == 1);
static_assert(offsetof(KeyAssignment, TargetPid) == 4);
static_assert(offsetof(KeyAssignment, Name1) == 8);
static_assert(offsetof(KeyAssignment, MacroSetName) == 58);
static_assert(offsetof(KeyAssignment, MacroName) == 108);
static_assert(offsetof(KeyAssignment, RepeatCount) == 160);
static_assert(offsetof(KeyAssignment, ActionCount) == 164);
static_assert(offsetof(KeyAssignment, Actions) == 166);
static_assert(offsetof(KeyAssignment, TimerLength) == 2168);
static_assert(offsetof(KeyAssignment, TimerName) == 2172);
static_assert(offsetof(KeyAssignment, LaunchPath) == 2272);

static_assert(sizeof(ProfileRecord) == 148708);
static_assert(offsetof(ProfileRecord, GameFile0) == 250);
static_assert(offsetof(ProfileRecord, GameFile1) == 750);
static_assert(offsetof(ProfileRecord, GameFile2) == 1250);
static_assert(offsetof(ProfileRecord, KBDelay) == 1752);
static_assert(offsetof(ProfileRecord, KBSpeed) == 1756);
static_assert(offsetof(ProfileRecord, MediaOption) == 1760);
static_assert(offsetof(ProfileRecord, HDDKeyboard) == 1764);
static_assert(offsetof(ProfileRecord, LtBrightness) == 1768);
static_assert(offsetof(ProfileRecord, DimmerOption) == 1772);
static_assert(offsetof(ProfileRecord, LtTimeout) == 1776);
static_assert(offsetof(ProfileRecord, ModifyKey) == 1780);
static_assert(offsetof(ProfileRecord, SoundProfile) == 1804);
static_assert(offsetof(ProfileRecord, SoundLRecord) == 1808);
static_assert(offsetof(ProfileRecord, SoundSens) == 1812);
static_assert(offsetof(ProfileRecord, VolumeUpDown) == 1816);
static_assert(offsetof(ProfileRecord, SoundTrophy) == 1820);
static_assert(offsetof(ProfileRecord, SoundVolume) == 1824);
static_assert(offsetof(ProfileRecord, LtSwitch) == 1828);
static_assert(offsetof(ProfileRecord, LtBreathSwitch) == 1832);
static_assert(offsetof(ProfileRecord, LtColorType) == 1836);
static_assert(offsetof(ProfileRecord, FixedLtInfo) == 1840);
static_assert(offsetof(ProfileRecord, CCLtInfo) == 1845);
static_assert(offsetof(ProfileRecord, MacroKeyInfo) == 1852);

static_assert(sizeof(SettingsBlock) == 744924);
static_assert(offsetof(SettingsBlock, InfoData) == 16);
static_assert(offsetof(SettingsBlock, Profiles) == 160);
static_assert(offsetof(SettingsBlock, KeyChanged) == 743700);
static_assert(offsetof(SettingsBlock, UpdateFlags) == 744860);

static_assert(std::is_trivially_copyable_v<SettingsBlock>);
static_assert(std::is_trivially_copyable_v<ProfileRecord>);
static_assert(std::is_trivially_copyable_v<KeyAssignment>);

// Offset where the defaults zero the rest of a profile, and the change area.
constexpr std::size_t kKeyAreaOffset = offsetof(ProfileRecord, MacroKeyInfo);
constexpr std::size_t kChangeAreaOffset = offsetof(SettingsBlock, KeyChanged);
constexpr std::size_t kChangeAreaSize = sizeof(SettingsBlock) - kChangeAreaOffset;
static_assert(kChangeAreaSize == 1224);

}  // namespace brelfx
