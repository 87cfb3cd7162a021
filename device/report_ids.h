// The keyboard's feature reports as the host sends and reads them: ids,
// lengths, read selectors and the first status-poll pause of each write. The
// simulated keyboard keeps its own tables (sim/report_layout.h) and shares
// nothing with this file, so a mistake here shows up against it in tests.
#pragma once

#include <array>
#include <cstdint>

namespace brelfx {

// Shape of one report: id, total length, and whether its last two bytes are a
// checksum over the rest.
struct ReportFormat {
  std::uint8_t id;
  int length;
  bool checksummed;
};

constexpr ReportFormat kControlReport{0x04, 3, false};  // read request / status
constexpr ReportFormat kProfileSelectReport{0x05, 3, false};
constexpr ReportFormat kKeyEnableReport{0x07, 6, true};
constexpr ReportFormat kMacroReport{0x0E, 2083, true};
constexpr ReportFormat kVersionReport{0x0F, 6, false};
constexpr ReportFormat kIlluminationReport{0x10, 16, true};
constexpr ReportFormat kDefaultsCommand{0x11, 3, false};
constexpr ReportFormat kCapsLockReport{0x13, 6, true};
constexpr ReportFormat kStampReport{0x14, 20, true};
constexpr ReportFormat kHostStateReport{0x15, 3, false};
constexpr ReportFormat kTalkStateReport{0x16, 16, false};
constexpr ReportFormat kAmbientLightReport{0x17, 16, false};

// Status byte (byte 1) of the control report.
constexpr std::uint8_t kStatusDone = 1;
constexpr std::uint8_t kStatusBusy = 3;

// Byte 2 of a read request: what the next read of a profile-bound report
// returns. The macro report uses the key index (0-35) instead.
constexpr std::uint8_t kSelectorKeyEnable = 0x50;
constexpr std::uint8_t kSelectorFKeyLayer = 0x60;
constexpr std::uint8_t kSelectorIllumination = 0x70;
constexpr std::uint8_t kSelectorCapsLock = 0x90;
constexpr std::uint8_t kSelectorMacroKeyLayer = 0xA0;
constexpr std::uint8_t kSelectorZonixLayer = 0xB0;
constexpr std::uint8_t kSelectorMediaKeyLayer = 0xC0;
constexpr std::uint8_t kSelectorThumbKeyLayer = 0xD0;

// First status-poll pause of each write, in milliseconds.
constexpr int kFirstPauseProfileSelect = 100;
constexpr int kFirstPauseKeyEnable = 500;
constexpr int kFirstPauseMacro = 500;
constexpr int kFirstPauseIllumination = 100;
constexpr int kFirstPauseDefaults = 500;
constexpr int kFirstPauseCapsLock = 100;
constexpr int kFirstPauseStamp = 200;
constexpr int kFirstPauseHostState = 100;
constexpr int kFirstPauseTalkState = 100;
constexpr int kFirstPauseAmbientLight = 100;
// Pause before a status poll that follows a read request.
constexpr int kFirstPauseRequest = 100;

// Macro report layout (the only report with a 16-bit length, bytes 1-2).
constexpr int kMacroProfileOffset = 3;
constexpr int kMacroKeyOffset = 4;
constexpr int kMacroCodeOffset = 5;
constexpr int kMacroRepeatOffset = 6;
constexpr int kMacroNameLength = 24;  // characters of each name that travel
constexpr int kMacroName1Offset = 7;
constexpr int kMacroSetNameOffset = kMacroName1Offset + kMacroNameLength;
constexpr int kMacroNameOffset = kMacroSetNameOffset + kMacroNameLength;
constexpr int kMacroActionCountOffset = kMacroNameOffset + kMacroNameLength;
constexpr int kMacroActionsOffset = kMacroActionCountOffset + 2;
constexpr int kMacroActionBytes = 2000;
static_assert(kMacroActionsOffset == 81);
static_assert(kMacroActionsOffset + kMacroActionBytes + 2 == kMacroReport.length);
// Keys that can hold a macro on the keyboard (M-keys, Zonix, thumb keys).
constexpr int kMacroKeyCount = 36;

// Key-layer reports: n consecutive key indices, each sent as function code,
// modifier byte and usage byte. The keyboard knows only concrete codes, so each
// key has its own code for what the software calls the standard function.
struct KeyLayer {
  std::uint8_t id;
  std::uint8_t selector;
  int firstKey;
  int keyCount;
  int firstPauseMs;
  std::array<std::uint8_t, 20> deviceCodes;  // of the standard function, in key order

  constexpr int length() const { return 3 * keyCount + 5; }
  constexpr ReportFormat format() const { return {id, length(), true}; }
};

constexpr KeyLayer kMacroKeyLayer{0x0D, kSelectorMacroKeyLayer, 0, 10, 200,
                                  {0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC}};
constexpr KeyLayer kZonixLayer{0x09, kSelectorZonixLayer, 10, 20, 500,
                               {0x1E, 0x1F, 0x20, 0x21, 0x22, 0x14, 0x1A, 0x08, 0x15, 0x17,
                                0x04, 0x16, 0x07, 0x09, 0x0A, 0x1D, 0x1B, 0x06, 0x19, 0x05}};
constexpr KeyLayer kThumbKeyLayer{0x0B, kSelectorThumbKeyLayer, 30, 6, 200,
                                  {0xB1, 0xDD, 0xB0, 0x39, 0xCB, 0xC0}};
constexpr KeyLayer kFKeyLayer{0x08, kSelectorFKeyLayer, 36, 12, 500,
                              {0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44,
                               0x45}};
constexpr KeyLayer kMediaKeyLayer{0x0A, kSelectorMediaKeyLayer, 48, 8, 500,
                                  {0xA0, 0xA2, 0xA1, 0xA4, 0xA5, 0xA6, 0xA8, 0xA9}};

// In the order a full set of changes sends them.
constexpr std::array<const KeyLayer*, 5> kKeyLayers = {&kFKeyLayer, &kZonixLayer, &kMediaKeyLayer,
                                                       &kThumbKeyLayer, &kMacroKeyLayer};

static_assert(kMacroKeyLayer.length() == 35 && kZonixLayer.length() == 65 &&
              kThumbKeyLayer.length() == 23 && kFKeyLayer.length() == 41 &&
              kMediaKeyLayer.length() == 29);

// Caps Lock (key index 56) travels alone; its standard function is Caps Lock.
constexpr std::uint8_t kCapsLockDeviceCode = 0x39;

}  // namespace brelfx
