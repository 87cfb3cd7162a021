#include "settings/struct_value.h"

#include <array>
#include <cstdint>

namespace brelfx {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::uint8_t kNotHex = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeNibbleTable() {
  std::array<std::uint8_t, 256> table{};
  for (auto& v : table) v = kNotHex;
  for (int i = 0; i < 10; ++i) table['0' + i] = static_cast<std::uint8_t>(i);
  for (int i = 0; i < 6; ++i) {
    table['A' + i] = static_cast<std::uint8_t>(10 + i);
    table['a' + i] = static_cast<std::uint8_t>(10 + i);
  }
  return table;
}
constexpr std::array<std::uint8_t, 256> kNibble = MakeNibbleTable();

// Two hex digits as a byte, or -1 when either is not a hex digit.
int HexByte(char high, char low) {
  const std::uint8_t h = kNibble[static_cast<unsigned char>(high)];
  const std::uint8_t l = kNibble[static_cast<unsigned char>(low)];
  if (h == kNotHex || l == kNotHex) return -1;
  return h << 4 | l;
}

}  // namespace

void AppendStructValue(std::string& out, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  const std::size_t start = out.size();
  out.resize(start + 2 * size + 2);
  char* p = out.data() + start;
  unsigned sum = 0;
  for (std::size_t i = 0; i < size; ++i) {
    *p++ = kHexDigits[bytes[i] >> 4];
    *p++ = kHexDigits[bytes[i] & 0x0F];
    sum += bytes[i];
  }
  *p++ = kHexDigits[(sum >> 4) & 0x0F];
  *p = kHexDigits[sum & 0x0F];
}

std::string EncodeStructValue(const void* data, std::size_t size) {
  std::string out;
  AppendStructValue(out, data, size);
  return out;
}

StructValueError CheckStructValue(std::string_view text, std::size_t size) {
  if (text.size() != 2 * size + 2) return StructValueError::kLength;
  unsigned sum = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const int b = HexByte(text[2 * i], text[2 * i + 1]);
    if (b < 0) return StructValueError::kDigit;
    sum += static_cast<unsigned>(b);
  }
  const int checksum = HexByte(text[2 * size], text[2 * size + 1]);
  if (checksum < 0) return StructValueError::kDigit;
  return static_cast<unsigned>(checksum) == (sum & 0xFF) ? StructValueError::kNone
                                                          : StructValueError::kChecksum;
}

bool DecodeStructValue(std::string_view text, void* data, std::size_t size) {
  // Check everything before writing anything: a damaged value must leave the
  // field as it was.
  if (CheckStructValue(text, size) != StructValueError::kNone) return false;
  auto* bytes = static_cast<std::uint8_t*>(data);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<std::uint8_t>(HexByte(text[2 * i], text[2 * i + 1]));
  return true;
}

}  // namespace brelfx
