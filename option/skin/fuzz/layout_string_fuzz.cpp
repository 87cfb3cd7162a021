// Layout strings come from the program's own literals and from the skin
// recipes of the painter; any text must parse without fault.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "option/skin/layout_string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const brelfx::LayoutItem item = brelfx::ParseLayoutString(text);
  // Both text fields must stay terminated inside the record.
  if (!std::memchr(item.name, 0, sizeof(item.name)) ||
      !std::memchr(item.tooltip, 0, sizeof(item.tooltip))) {
    __builtin_trap();
  }
  return 0;
}
