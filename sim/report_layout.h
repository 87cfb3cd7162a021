// The feature reports the keyboard understands, as the keyboard sees them:
// ids, sizes, which direction each supports, the selector a read request uses,
// the key layer ranges with the device codes of their factory functions, and
// the frame checksum.
#pragma once

#include <cstdint>

namespace brelfx::sim {

enum ReportId : std::uint8_t {
  kControlReport = 0x04,  // SetFeature: read request; GetFeature: status
  kProfileSelectReport = 0x05,
  kKeyEnableReport = 0x07,
  kFKeyLayerReport = 0x08,
  kZonixLayerReport = 0x09,
  kMediaKeyReport = 0x0A,
  kThumbKeyReport = 0x0B,
  kMacroKeyReport = 0x0D,
  kMacroReport = 0x0E,
  kVersionReport = 0x0F,
  kIlluminationReport = 0x10,
  kDefaultsCommand = 0x11,
  kCapsLockReport = 0x13,
  kStampReport = 0x14,
  kHostStateReport = 0x15,
  kTalkStateReport = 0x16,
  kAmbientLightReport = 0x17,
  kFirmwareTransferReport = 0x1B,
  kUpdateStatusReport = 0x1C,
};

// How a profile-bound report is selected by the read request before it.
constexpr int kNoRequest = -1;         // read without a request
constexpr int kKeyIndexSelector = -2;  // the macro report: the selector is the key index

struct ReportFormat {
  std::uint8_t id;
  std::uint16_t size;
  bool checksummed;
  bool settable;  // the keyboard accepts it with SetFeature
  bool gettable;  // the keyboard answers it with GetFeature
  int selector;
};

// nullptr for an id the keyboard does not know.
const ReportFormat* FindReportFormat(std::uint8_t id);

// The report a read request's selector stands for (0 when none).
std::uint8_t ReportForSelector(std::uint8_t selector);

// A report carrying the function codes of a run of consecutive key indices.
struct KeyLayer {
  std::uint8_t id;
  std::uint8_t firstKey;
  std::uint8_t keyCount;
  std::uint8_t selector;
  const char* name;
  std::uint8_t factoryCodes[20];  // what each key does out of the box, in key order
};

constexpr int kKeyLayerCount = 5;
extern const KeyLayer kKeyLayers[kKeyLayerCount];

// nullptr when id is not a key layer report.
const KeyLayer* FindKeyLayer(std::uint8_t id);

// The device code of key index 0-55's factory function.
std::uint8_t FactoryDeviceCode(int keyIndex);

// Sum of bytes [0, count) modulo 65536.
std::uint16_t ReportChecksum(const std::uint8_t* bytes, int count);
// Whether the last two bytes of a report of size bytes hold its checksum.
bool ChecksumMatches(const std::uint8_t* report, int size);
void WriteChecksum(std::uint8_t* report, int size);

// Little-endian fields inside reports.
inline std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void WriteU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace brelfx::sim
