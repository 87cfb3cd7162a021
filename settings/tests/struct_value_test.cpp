#include "settings/struct_value.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace brelfx {
namespace {

using Bytes5 = std::array<std::uint8_t, 5>;

TEST(StructValue, EncodesUpperCaseHexAndChecksum) {
  const Bytes5 bytes = {0x05, 0x01, 0xFF, 0x00, 0x00};
  EXPECT_EQ(EncodeStructValue(bytes.data(), bytes.size()), "0501FF000005");
  const std::array<std::uint8_t, 3> wrap = {0xFF, 0xFF, 0xAB};  // sum 0x2A9 keeps 0xA9
  EXPECT_EQ(EncodeStructValue(wrap.data(), wrap.size()), "FFFFABA9");
  EXPECT_EQ(EncodeStructValue(nullptr, 0), "00");
}

TEST(StructValue, DecodesOnlyWellFormedValues) {
  Bytes5 out{};
  ASSERT_TRUE(DecodeStructValue("0501FF000005", out.data(), out.size()));
  EXPECT_EQ(out, (Bytes5{0x05, 0x01, 0xFF, 0x00, 0x00}));
  out = {};
  EXPECT_TRUE(DecodeStructValue("0501ff000005", out.data(), out.size()));  // either case
  EXPECT_EQ(out[2], 0xFF);

  const Bytes5 before = {9, 9, 9, 9, 9};
  const char* damaged[] = {
      "0501FE000005",    // one digit altered: checksum fails
      "0501FF000004",    // checksum digit altered
      "0501FF0000",      // too short
      "0501FF00000005",  // too long
      "0501FF0000050",   // one digit too many
      "0501FG000005",    // not a hex digit
      "0501 F000005",    // blank inside
      "",
  };
  for (const char* text : damaged) {
    out = before;
    EXPECT_FALSE(DecodeStructValue(text, out.data(), out.size())) << text;
    EXPECT_EQ(out, before) << "a damaged value must not change the field: " << text;
  }
}

}  // namespace
}  // namespace brelfx
