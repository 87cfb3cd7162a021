#include "settings/firmware_version_text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace brelfx {
namespace {

struct VersionCase {
  int fwVersion;
  FirmwareTextRule rule;
  const char* text;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
  *os << c.fwVersion << (c.rule == FirmwareTextRule::kStartUp ? " at start-up" : " after sync");
}

class FirmwareVersionTextTest : public testing::TestWithParam<VersionCase> {};

TEST_P(FirmwareVersionTextTest, ShowsDigitsWithPointOrNA) {
  EXPECT_EQ(FirmwareVersionText(GetParam().fwVersion, GetParam().rule), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(StartUpAndAfterSync, FirmwareVersionTextTest,
                         testing::Values(VersionCase{105, FirmwareTextRule::kStartUp, "1.05"},
                                         VersionCase{100, FirmwareTextRule::kStartUp, "1.00"},
                                         VersionCase{500, FirmwareTextRule::kStartUp, "5.00"},
                                         VersionCase{99, FirmwareTextRule::kStartUp, "N/A"},
                                         VersionCase{501, FirmwareTextRule::kStartUp, "N/A"},
                                         VersionCase{-1, FirmwareTextRule::kStartUp, "N/A"},
                                         VersionCase{501, FirmwareTextRule::kAfterSync, "5.01"},
                                         VersionCase{1203, FirmwareTextRule::kAfterSync, "1.203"},
                                         VersionCase{99, FirmwareTextRule::kAfterSync, "N/A"},
                                         // Negative is no version, not 4.294967295.
                                         VersionCase{-1, FirmwareTextRule::kAfterSync, "N/A"}));

}  // namespace
}  // namespace brelfx
