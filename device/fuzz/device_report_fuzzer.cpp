// Reports read from the keyboard are outside input: every parser takes any
// bytes into a default settings block without reading or writing outside it.
// Byte 0 of the input picks the parser (its top bit keeps the input's own
// length instead of the report's), the rest is the report.
//
// For the profile reports it also checks that sending what was read and
// reading that back settles: a second round trip changes nothing.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "device/key_layer_reports.h"
#include "device/keyboard_state_reports.h"
#include "device/macro_report.h"
#include "device/profile_reports.h"
#include "settings/block_defaults.h"

namespace brelfx {
namespace {

using Parse = std::function<bool(std::span<const std::uint8_t>, SettingsBlock&)>;
// Rebuilds the report a successful parse stored, from the block.
using Rebuild = std::function<Report(const SettingsBlock&, std::span<const std::uint8_t>)>;

struct Parser {
  int length;
  Parse parse;
  Rebuild rebuild;  // empty for reports the host never sends back
};

Parser KeyLayerParser(const KeyLayer& layer) {
  return {layer.length(),
          [&layer](std::span<const std::uint8_t> r, SettingsBlock& b) {
            return ParseKeyLayerReport(layer, r, b);
          },
          [&layer](const SettingsBlock& b, std::span<const std::uint8_t> r) {
            return BuildKeyLayerReport(layer, b.Profiles[r[2]], r[2]);
          }};
}

template <Report (*Build)(const ProfileRecord&, int)>
Report RebuildProfileReport(const SettingsBlock& b, std::span<const std::uint8_t> r) {
  return Build(b.Profiles[r[2]], r[2]);
}

const std::vector<Parser>& Parsers() {
  static const std::vector<Parser> parsers = {
      KeyLayerParser(kMacroKeyLayer),
      KeyLayerParser(kZonixLayer),
      KeyLayerParser(kThumbKeyLayer),
      KeyLayerParser(kFKeyLayer),
      KeyLayerParser(kMediaKeyLayer),
      {kCapsLockReport.length, ParseCapsLockReport, RebuildProfileReport<BuildCapsLockReport>},
      {kKeyEnableReport.length, ParseKeyEnableReport, RebuildProfileReport<BuildKeyEnableReport>},
      {kIlluminationReport.length, ParseIlluminationReport,
       RebuildProfileReport<BuildIlluminationReport>},
      {kMacroReport.length, ParseMacroReport,
       [](const SettingsBlock& b, std::span<const std::uint8_t> r) {
         return BuildMacroReport(b.Profiles[r[3]], r[3], r[4]);
       }},
      {kProfileSelectReport.length, ParseProfileSelectReport, {}},
      {kStampReport.length,
       [](std::span<const std::uint8_t> r, SettingsBlock&) {
         return ParseStampReport(r).has_value();
       },
       {}},
      {kVersionReport.length,
       [](std::span<const std::uint8_t> r, SettingsBlock&) {
         return ParseVersionReport(r).firmware >= 0;
       },
       {}},
  };
  return parsers;
}

const SettingsBlock& Defaults() {
  static const std::unique_ptr<SettingsBlock> block = [] {
    auto b = std::make_unique<SettingsBlock>();
    std::memset(b.get(), 0, sizeof(SettingsBlock));
    SetDefaults(*b, 1033);
    return b;
  }();
  return *block;
}

// Parses `report` into `block` and returns what sending the result would write.
Report RoundTrip(const Parser& parser, std::span<const std::uint8_t> report,
                 SettingsBlock& block) {
  if (!parser.parse(report, block)) std::abort();  // a rebuilt report must always parse
  return parser.rebuild(block, report);
}

}  // namespace
}  // namespace brelfx

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brelfx;
  if (size == 0) return 0;
  const Parser& parser = Parsers()[data[0] % Parsers().size()];
  std::vector<std::uint8_t> report(data + 1, data + size);
  if ((data[0] & 0x80) == 0) report.resize(static_cast<std::size_t>(parser.length), 0);

  static std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
  std::memcpy(block.get(), &Defaults(), sizeof(SettingsBlock));
  if (!parser.parse(report, *block) || !parser.rebuild) return 0;

  const Report first = parser.rebuild(*block, report);
  const Report second = RoundTrip(parser, first, *block);
  if (RoundTrip(parser, second, *block) != second) std::abort();
  return 0;
}
