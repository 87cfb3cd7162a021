#include "sim/report_layout.h"

namespace brelfx::sim {
namespace {

constexpr ReportFormat kFormats[] = {
    // id, size, checksum, set, get, selector
    {kControlReport, 3, false, true, true, kNoRequest},
    {kProfileSelectReport, 3, false, true, true, kNoRequest},
    {kKeyEnableReport, 6, true, true, true, 0x50},
    {kFKeyLayerReport, 41, true, true, true, 0x60},
    {kZonixLayerReport, 65, true, true, true, 0xB0},
    {kMediaKeyReport, 29, true, true, true, 0xC0},
    {kThumbKeyReport, 23, true, true, true, 0xD0},
    {kMacroKeyReport, 35, true, true, true, 0xA0},
    {kMacroReport, 2083, true, true, true, kKeyIndexSelector},
    {kVersionReport, 6, false, false, true, kNoRequest},
    {kIlluminationReport, 16, true, true, true, 0x70},
    {kDefaultsCommand, 3, false, true, false, kNoRequest},
    {kCapsLockReport, 6, true, true, true, 0x90},
    {kStampReport, 20, true, true, true, kNoRequest},
    // The keyboard lets the host read these back as last received.
    {kHostStateReport, 3, false, true, true, kNoRequest},
    {kTalkStateReport, 16, false, true, true, kNoRequest},
    {kAmbientLightReport, 16, false, true, true, kNoRequest},
    {kFirmwareTransferReport, 1026, false, true, false, kNoRequest},
    {kUpdateStatusReport, 3, false, false, true, kNoRequest},
};

}  // namespace

const KeyLayer kKeyLayers[kKeyLayerCount] = {
    {kMacroKeyReport,
     0,
     10,
     0xA0,
     "macro keys",
     {0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC}},
    {kZonixLayerReport, 10, 20, 0xB0, "Zonix layer", {0x1E, 0x1F, 0x20, 0x21, 0x22, 0x14, 0x1A,
                                                      0x08, 0x15, 0x17, 0x04, 0x16, 0x07, 0x09,
                                                      0x0A, 0x1D, 0x1B, 0x06, 0x19, 0x05}},
    {kThumbKeyReport, 30, 6, 0xD0, "thumb keys", {0xB1, 0xDD, 0xB0, 0x39, 0xCB, 0xC0}},
    {kFKeyLayerReport,
     36,
     12,
     0x60,
     "F-key layer",
     {0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45}},
    {kMediaKeyReport, 48, 8, 0xC0, "media keys", {0xA0, 0xA2, 0xA1, 0xA4, 0xA5, 0xA6, 0xA8, 0xA9}},
};

const ReportFormat* FindReportFormat(std::uint8_t id) {
  for (const ReportFormat& f : kFormats)
    if (f.id == id) return &f;
  return nullptr;
}

std::uint8_t ReportForSelector(std::uint8_t selector) {
  for (const ReportFormat& f : kFormats) {
    if (f.selector == selector) return f.id;
    if (f.selector == kKeyIndexSelector && selector < 36) return f.id;
  }
  return 0;
}

const KeyLayer* FindKeyLayer(std::uint8_t id) {
  for (const KeyLayer& layer : kKeyLayers)
    if (layer.id == id) return &layer;
  return nullptr;
}

std::uint8_t FactoryDeviceCode(int keyIndex) {
  for (const KeyLayer& layer : kKeyLayers)
    if (keyIndex >= layer.firstKey && keyIndex < layer.firstKey + layer.keyCount)
      return layer.factoryCodes[keyIndex - layer.firstKey];
  return 0;
}

std::uint16_t ReportChecksum(const std::uint8_t* bytes, int count) {
  std::uint32_t sum = 0;
  for (int i = 0; i < count; ++i) sum += bytes[i];
  return static_cast<std::uint16_t>(sum);
}

bool ChecksumMatches(const std::uint8_t* report, int size) {
  return ReadU16(report + size - 2) == ReportChecksum(report, size - 2);
}

void WriteChecksum(std::uint8_t* report, int size) {
  WriteU16(report + size - 2, ReportChecksum(report, size - 2));
}

}  // namespace brelfx::sim
