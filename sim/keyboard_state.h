// Everything the simulated keyboard remembers, as one packed, trivially
// copyable record. The stand-in zendrel.dll keeps it in a named shared section
// so that every process that loads the library (monitor, upgrade program,
// control tool) talks to one keyboard; native tests keep it on the heap.
// Profiles are held the way the keyboard holds them: concrete device codes,
// the byte layouts of its reports, no host-side markers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace brelfx::sim {

constexpr int kProfileCount = 5;
constexpr int kLayerKeyCount = 56;  // key indices 0-55 travel in the key layer reports
constexpr int kMacroKeyCount = 36;  // key indices 0-35 can hold a macro
constexpr int kMacroNameSize = 24;  // characters of a name the keyboard keeps
constexpr int kMacroActionBytes = 2000;
constexpr int kMaxMacroActions = kMacroActionBytes / 4;
constexpr int kMaxReportSize = 2083;  // the macro report, the longest one
constexpr int kFirmwareBlockSize = 1024;
constexpr int kFirmwareMaxBlocks = 200;
constexpr int kFirmwareImageSize = kFirmwareBlockSize * kFirmwareMaxBlocks;
constexpr int kMonitorSlots = 4;  // processes that can listen to events at once
constexpr int kCaptureCapacity = 1024;

constexpr std::uint32_t kStateMagic = 0x4B534642;  // "BFSK"
constexpr std::uint32_t kStateLayoutVersion = 3;

// Status byte of the control report and of the update status report.
enum SimStatus : std::uint8_t {
  kStatusDone = 1,
  kStatusFailure = 2,
  kStatusBusy = 3,
  kStatusAgain = 4,  // update loader: send the command again
};

#pragma pack(push, 1)

// One key's macro exactly as bytes 4-2080 of the macro report carry it.
struct SimMacro {
  std::uint8_t KeyIndex;
  std::uint8_t FunctionCode;  // 0xBE
  std::uint8_t RepeatCount;
  char Name1[kMacroNameSize];
  char MacroSetName[kMacroNameSize];
  char MacroName[kMacroNameSize];
  std::uint16_t ActionCount;
  std::uint8_t Actions[kMacroActionBytes];  // 4 bytes each: usage, type, delay (LE)
};

// Bytes 3-13 of the illumination report.
struct SimLighting {
  std::uint8_t Switch;
  std::uint8_t BreathSwitch;
  std::uint8_t ColorType;  // 0 single, 1 custom, 3 flow
  std::uint8_t ColorIndex;
  std::uint8_t Red;
  std::uint8_t Green;
  std::uint8_t Blue;
  std::uint8_t Brightness;
  std::uint8_t Dimmer;
  std::uint8_t Timeout;
  std::uint8_t Reserved;
};

struct SimProfile {
  std::uint8_t KeyCodes[kLayerKeyCount];   // function code per key index
  std::uint8_t Modifiers[kLayerKeyCount];  // shortcut modifier mask per key index
  std::uint8_t Usages[kLayerKeyCount];     // shortcut HID usage per key index
  std::uint8_t CapsLockCode;               // key index 56
  std::uint8_t KeyEnableMask;              // bit i: ModifyKey value i enabled
  SimLighting Lighting;
  SimMacro Macros[kMacroKeyCount];
};

// A process that called Open_DevMonitor; ClientId 0 marks a free slot.
struct SimMonitorSlot {
  std::uint64_t Window;
  std::uint32_t ClientId;
  std::uint32_t EventMessage;
  std::uint32_t PlugMessage;
  std::uint32_t Reserved;
};

// Misbehaviour scripted by tests or by the control tool. Counters count down
// as the calls they affect happen.
struct SimFaults {
  std::int32_t FailSetCount;      // next N SetFeature calls fail
  std::int32_t FailGetCount;      // next N GetFeature calls fail
  std::int32_t BusyCount;         // next N status reads answer busy
  std::int32_t StatusCount;       // then the next N status reads answer StatusValue
  std::int32_t CorruptCount;      // next N checksummed reads carry a wrong checksum
  std::int32_t UnplugAfterCalls;  // -1 off; the keyboard leaves after N more feature calls
  std::int32_t RefusedBlock;      // 0 off; the update loader refuses the data of block N-1
  std::uint8_t StatusValue;
  std::uint8_t Reserved[3];
};

enum SimLoaderStage : std::uint8_t {
  kLoaderIdle = 0,
  kLoaderOpened = 1,     // start code accepted
  kLoaderSized = 2,      // image size announced
  kLoaderReceiving = 3,  // ready for block announcements
  kLoaderBlockAnnounced = 4,
};

// The keyboard's update loader and the image it received.
struct SimFirmwareTransfer {
  std::uint32_t ImageSize;
  std::uint32_t CompletedUpdates;  // transfers finished with every block in place
  std::uint16_t BlocksReceived;
  std::uint16_t AnnouncedBlock;
  std::uint16_t AnnouncedSum;
  std::uint8_t Stage;
  std::uint8_t Status;  // byte 1 of the update status report
  std::uint8_t Image[kFirmwareImageSize];
};

enum SimCaptureKind : std::uint8_t {
  kCaptureSet = 1,    // report received (SetFeature)
  kCaptureGet = 2,    // report sent (GetFeature)
  kCaptureEvent = 3,  // device event raised
  kCapturePlug = 4,   // keyboard arrived or left
};

struct SimCaptureEntry {
  std::int64_t TimeMs;
  std::uint32_t Sequence;
  std::int32_t Length;  // length the caller passed; event: its type; plug: 1 arrived, 0 left
  std::uint32_t Value;  // event value
  std::uint8_t Kind;
  std::uint8_t Ok;  // the call's result
  std::uint8_t Reserved0[2];
  std::uint8_t Bytes[kMaxReportSize];  // the first Length bytes (at most kMaxReportSize)
  std::uint8_t Reserved1[5];
};

struct SimCapture {
  std::uint32_t Total;  // entries ever recorded; the ring holds the last kCaptureCapacity
  std::uint32_t Reserved;
  SimCaptureEntry Entries[kCaptureCapacity];
};

// Multi-byte fields sit at their natural alignment (the record starts on a
// page or heap boundary), so they can be used like any other variable; the
// profiles, made of report bytes, come last.
struct SimKeyboardState {
  std::uint32_t Magic;
  std::uint32_t LayoutVersion;
  std::uint32_t Size;
  std::uint32_t PlugGeneration;  // grows at every unplug: channels opened before are dead
  std::uint32_t EventCount;      // events raised since reset
  std::uint8_t Plugged;
  std::uint8_t ActiveProfile;
  std::uint8_t FirmwareVersion;  // byte 2 of the version report
  std::uint8_t LoaderVersion;    // byte 3 of the version report
  std::uint8_t Status;           // byte 1 of the control report when read
  std::uint8_t SelectionValid;   // a request selected the next read
  std::uint8_t SelectedProfile;
  std::uint8_t SelectedReport;  // selector of the last request
  std::uint8_t HostState;
  std::uint8_t TalkState[2];
  std::uint8_t Reserved0;
  std::uint8_t SettingsStamp[16];
  std::uint8_t AmbientLight[14];  // bytes 2-15 of the ambient light report
  std::uint8_t Reserved1[2];
  SimFaults Faults;
  SimMonitorSlot Monitors[kMonitorSlots];
  SimFirmwareTransfer Firmware;
  SimCapture Capture;
  SimProfile Profiles[kProfileCount];
};

#pragma pack(pop)

static_assert(sizeof(SimMacro) == 2077);
static_assert(offsetof(SimMacro, Name1) == 3);
static_assert(offsetof(SimMacro, ActionCount) == 75);
static_assert(offsetof(SimMacro, Actions) == 77);
static_assert(sizeof(SimLighting) == 11);
static_assert(sizeof(SimProfile) == 3 * kLayerKeyCount + 2 + 11 + kMacroKeyCount * 2077);
static_assert(sizeof(SimMonitorSlot) % 8 == 0);
static_assert(sizeof(SimFaults) % 8 == 0);
static_assert(sizeof(SimCaptureEntry) % 8 == 0);
static_assert(offsetof(SimKeyboardState, Faults) % 8 == 0);
static_assert(offsetof(SimKeyboardState, Monitors) % 8 == 0);
static_assert(offsetof(SimKeyboardState, Firmware) % 8 == 0);
static_assert(offsetof(SimKeyboardState, Capture) % 8 == 0);
static_assert(offsetof(SimFirmwareTransfer, Image) % 8 == 0);
static_assert(offsetof(SimCapture, Entries) % 8 == 0);
static_assert(std::is_trivially_copyable_v<SimKeyboardState>);
static_assert(std::is_standard_layout_v<SimKeyboardState>);

}  // namespace brelfx::sim
