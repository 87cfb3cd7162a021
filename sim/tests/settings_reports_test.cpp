// The keyboard's side of the settings reports: what it answers out of the
// box, that reads return what was written, and what it refuses.
#include <algorithm>
#include <cstring>

#include "sim/tests/sim_fixture.h"

namespace brelfx::sim::test {
namespace {

constexpr std::uint8_t kCapsSelector = 0x90;

// A report for profile p whose content bytes all differ from the factory ones
// and that the keyboard must accept.
Bytes PatternReport(const ReportFormat& f, std::uint8_t p, std::uint8_t seed) {
  Bytes r(f.size, 0);
  r[0] = f.id;
  r[1] = static_cast<std::uint8_t>(f.size);
  r[2] = p;
  for (int i = 3; i < f.size - 2; ++i) {
    r[i] = static_cast<std::uint8_t>(seed + 13 * i);
    if (r[i] == 0xEF) r[i] = 0x01;  // the keyboard refuses the host-only marker
  }
  WriteChecksum(r.data(), f.size);
  return r;
}

Bytes MacroReport(std::uint8_t p, std::uint8_t key, std::uint16_t count, std::uint8_t seed) {
  Bytes r(kMaxReportSize, 0);
  r[0] = kMacroReport;
  WriteU16(&r[1], kMaxReportSize);
  r[3] = p;
  r[4] = key;
  r[5] = 0xBE;
  r[6] = seed;
  for (int i = 7; i < 79; ++i) r[i] = static_cast<std::uint8_t>('A' + (seed + i) % 26);
  WriteU16(&r[79], count);
  for (int i = 0; i < 4 * std::min<int>(count, kMaxMacroActions); ++i)
    r[81 + i] = static_cast<std::uint8_t>(seed * 3 + i);
  WriteChecksum(r.data(), kMaxReportSize);
  return r;
}

struct ProfileReport {
  std::uint8_t id;
  std::uint8_t selector;
};
constexpr ProfileReport kProfileReports[] = {{0x07, 0x50}, {0x08, 0x60}, {0x09, 0xB0},
                                             {0x0A, 0xC0}, {0x0B, 0xD0}, {0x0D, 0xA0},
                                             {0x10, 0x70}, {0x13, 0x90}};

using SettingsReports = SimFixture;

TEST_F(SettingsReports, FactoryKeyLayersHoldDeviceCodes) {
  // Zonix keys do their standard function; the media keys have explicit codes.
  const Bytes zonix = Read(kZonixLayerReport, 65, 0, 0xB0);
  ASSERT_EQ(zonix.size(), 65u);
  EXPECT_EQ(Bytes(zonix.begin(), zonix.begin() + 6), (Bytes{0x09, 65, 0, 0x1E, 0x1F, 0x20}));
  EXPECT_EQ(zonix[22], 0x05);  // key 29, B
  EXPECT_TRUE(ChecksumMatches(zonix.data(), 65));
  const Bytes media = Read(kMediaKeyReport, 29, 4, 0xC0);
  EXPECT_EQ(Bytes(media.begin() + 3, media.begin() + 11),
            (Bytes{0xD2, 0xD1, 0xD0, 0xCC, 0xCE, 0xCD, 0xC3, 0xC2}));
  const Bytes fkeys = Read(kFKeyLayerReport, 41, 1, 0x60);
  EXPECT_EQ(fkeys[7], 0x3E);  // key 40, Vexa F5
  for (int k = 0; k < kLayerKeyCount; ++k)
    for (const SimProfile& p : state->Profiles) EXPECT_NE(p.KeyCodes[k], 0xEF) << k;
}

TEST_F(SettingsReports, FactoryLightingAndSwitchesFollowTheSlot) {
  const Bytes light = Read(kIlluminationReport, 16, 2, 0x70);
  EXPECT_EQ(light, MakeReport({0x10, 16, 2, 1, 1, 0, 11, 0, 255, 0, 3, 1, 15}, 16, true));
  EXPECT_EQ(Read(kKeyEnableReport, 6, 0, 0x50), MakeReport({0x07, 6, 0, 0x3F}, 6, true));
  EXPECT_EQ(Read(kCapsLockReport, 6, 0, kCapsSelector), MakeReport({0x13, 6, 0, 0xFF}, 6, true));
}

TEST_F(SettingsReports, CapsLockGoldenReportIsTakenAndReadBack) {
  const Bytes golden{0x13, 0x06, 0x01, 0x39, 0x53, 0x00};
  ASSERT_EQ(Set(golden), 1);
  EXPECT_EQ(Status(), kStatusDone);
  EXPECT_EQ(Read(kCapsLockReport, 6, 1, kCapsSelector), golden);
}

// Every report of every profile and every macro written, then all read back:
// the keyboard returns each exactly as it took it.
TEST_F(SettingsReports, FullWriteReadsBackByteForByte) {
  std::vector<std::pair<Bytes, ProfileReport>> written;
  for (std::uint8_t p = 0; p < kProfileCount; ++p) {
    for (const ProfileReport& pr : kProfileReports) {
      Bytes r =
          PatternReport(*FindReportFormat(pr.id), p, static_cast<std::uint8_t>(p * 31 + pr.id));
      ASSERT_EQ(Set(r), 1);
      ASSERT_EQ(Status(), kStatusDone) << int(pr.id) << " profile " << int(p);
      written.push_back({r, pr});
    }
    for (std::uint8_t k = 0; k < kMacroKeyCount; ++k) {
      Bytes r = MacroReport(p, k, static_cast<std::uint16_t>((k * 97 + p) % 501), k);
      ASSERT_EQ(Set(r), 1);
      ASSERT_EQ(Status(), kStatusDone);
      written.push_back({r, {kMacroReport, k}});
    }
  }
  for (const auto& [report, pr] : written) {
    const std::uint8_t profile = pr.id == kMacroReport ? report[3] : report[2];
    EXPECT_EQ(Read(pr.id, static_cast<int>(report.size()), profile, pr.selector), report)
        << int(pr.id) << " profile " << int(profile);
  }
}

TEST_F(SettingsReports, ReadNeedsTheRequestThatSelectsIt) {
  EXPECT_TRUE(Get(kCapsLockReport, 6).empty());  // nothing requested yet
  Set({kControlReport, 1, 0x70});                // illumination selected
  EXPECT_TRUE(Get(kCapsLockReport, 6).empty());
  EXPECT_FALSE(Get(kIlluminationReport, 16).empty());
  EXPECT_EQ(Status(), kStatusDone);  // status reads keep the selection
  EXPECT_EQ(Get(kIlluminationReport, 16)[2], 1);
  Set({kControlReport, 0, 0x40});  // no such selector
  EXPECT_EQ(Status(), kStatusFailure);
  EXPECT_TRUE(Get(kIlluminationReport, 16).empty());
  Set({kControlReport, 5, 0x90});  // no such profile
  EXPECT_EQ(Status(), kStatusFailure);
}

TEST_F(SettingsReports, RefusedReportsChangeNothingAndFailTheStatus) {
  Bytes badSum = MakeReport({0x13, 6, 1, 0x39}, 6, true);
  badSum[4] ^= 1;
  Bytes badLength = MakeReport({0x13, 7, 1, 0x39}, 6, true);
  Bytes badProfile = MakeReport({0x13, 6, 5, 0x39}, 6, true);
  Bytes marker = MakeReport({0x13, 6, 1, 0xEF}, 6, true);
  Bytes layerMarker = MakeReport({0x0B, 23, 1, 0xB1, 0xEF}, 23, true);
  Bytes tooManyActions = MacroReport(1, 3, 501, 1);
  Bytes macroKey36 = MacroReport(1, 36, 1, 1);
  Bytes notAMacro = MacroReport(1, 3, 1, 1);
  notAMacro[5] = 0xB8;
  WriteChecksum(notAMacro.data(), kMaxReportSize);
  const SimProfile before = state->Profiles[1];
  for (const Bytes& r : {badSum, badLength, badProfile, marker, layerMarker, tooManyActions,
                         macroKey36, notAMacro}) {
    EXPECT_EQ(Set(r), 1);                              // delivered ...
    EXPECT_EQ(Status(), kStatusFailure) << int(r[0]);  // ... but refused
  }
  EXPECT_EQ(std::memcmp(&before, &state->Profiles[1], sizeof(before)), 0);
}

TEST_F(SettingsReports, ReportsTheKeyboardCannotTakeAreNotDelivered) {
  EXPECT_EQ(Set({0x42, 3, 0}), 0);                                  // unknown id
  EXPECT_EQ(Set(MakeReport({0x13, 6, 1, 0x39}, 7, false)), 0);      // wrong size
  EXPECT_EQ(Set(MakeReport({kVersionReport, 6, 1}, 6, false)), 0);  // read only
  EXPECT_TRUE(Get(kDefaultsCommand, 3).empty());                    // write only
  EXPECT_TRUE(Get(kVersionReport, 5).empty());
}

TEST_F(SettingsReports, ProfileSelectMovesTheActiveProfile) {
  EXPECT_EQ(Get(kProfileSelectReport, 3), (Bytes{0x05, 3, 0}));
  Set({kProfileSelectReport, 3, 4});
  EXPECT_EQ(Status(), kStatusDone);
  EXPECT_EQ(Get(kProfileSelectReport, 3), (Bytes{0x05, 3, 4}));
  Set({kProfileSelectReport, 3, 5});
  EXPECT_EQ(Status(), kStatusFailure);
  EXPECT_EQ(state->ActiveProfile, 4);
}

TEST_F(SettingsReports, DefaultsCommandRestoresTheFactoryProfiles) {
  Set(PatternReport(*FindReportFormat(kZonixLayerReport), 2, 9));
  Set(MacroReport(2, 5, 10, 3));
  Set({kProfileSelectReport, 3, 2});
  Set({kDefaultsCommand, 0x03, 0x05});  // not the command
  EXPECT_EQ(Status(), kStatusFailure);
  Set({kDefaultsCommand, 0x03, 0x04});
  EXPECT_EQ(Status(), kStatusDone);
  EXPECT_EQ(std::memcmp(&state->Profiles[2], &FactoryProfile(2), sizeof(SimProfile)), 0);
  EXPECT_EQ(state->ActiveProfile, 0);
}

TEST_F(SettingsReports, StampHostAndTalkStatesAreKeptAsLastReceived) {
  Bytes stamp = MakeReport({0x14, 20, 0x78, 0x56, 0x34, 0x12}, 20, true);
  Set(stamp);
  EXPECT_EQ(Get(kStampReport, 20), stamp);
  Set({kHostStateReport, 3, 1});
  EXPECT_EQ(Get(kHostStateReport, 3), (Bytes{0x15, 3, 1}));
  Set(MakeReport({0x16, 16, 1, 0}, 16, false));
  Set(MakeReport({0x16, 16, 255, 1}, 16, false));  // 255 leaves the first state alone
  EXPECT_EQ(Get(kTalkStateReport, 16), MakeReport({0x16, 16, 1, 1}, 16, false));
  Bytes light = MakeReport({0x17, 16, 1, 2, 3, 4, 5, 6, 1, 2, 40, 50}, 16, false);
  Set(light);
  EXPECT_EQ(Get(kAmbientLightReport, 16), light);
  Set(MakeReport({0x17, 16}, 16, false));  // the off form
  EXPECT_EQ(Get(kAmbientLightReport, 16), MakeReport({0x17, 16}, 16, false));
}

TEST_F(SettingsReports, VersionReportCarriesBothVersionBytes) {
  EXPECT_EQ(Get(kVersionReport, 6),
            (Bytes{0x0F, 6, kFactoryFirmwareVersion, kFactoryLoaderVersion, 0, 0}));
  state->FirmwareVersion = 105;
  EXPECT_EQ(Get(kVersionReport, 6)[2], 105);
}

}  // namespace
}  // namespace brelfx::sim::test
