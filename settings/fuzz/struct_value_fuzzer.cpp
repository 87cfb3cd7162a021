// Struct values as they may stand in a file: decoding must accept exactly the
// well-formed ones and never touch the field otherwise; what decodes encodes
// back to the same digits (up to letter case).
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "settings/struct_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // Try the size the text claims and its neighbours.
  const std::size_t claimed = size >= 2 ? (size - 2) / 2 : 0;
  for (std::size_t fieldSize : {claimed, claimed + 1, std::size_t{5}, std::size_t{2532}}) {
    std::vector<std::uint8_t> field(fieldSize, 0xA5);
    const bool ok = brelfx::DecodeStructValue(text, field.data(), field.size());
    if (ok != (brelfx::CheckStructValue(text, fieldSize) == brelfx::StructValueError::kNone))
      std::abort();
    if (!ok) {
      for (std::uint8_t b : field)
        if (b != 0xA5) std::abort();
      continue;
    }
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (brelfx::EncodeStructValue(field.data(), field.size()) != upper) std::abort();
  }
  return 0;
}
