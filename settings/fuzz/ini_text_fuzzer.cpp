// INI text as it may come from any file: parsing, every kind of read, a
// write, and the rewritten text read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_document.h"
#include "settings/profile_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  brelfx::IniDocument document{std::string(text)};

  // Names taken from the input itself reach the odd corners of the lookup.
  const std::string_view name = text.substr(0, text.find_first_of("=\n"));
  document.ReadString(name, name, "");
  document.ReadInt("Setting", name, 0);
  brelfx::ProfileRecord profile{};
  brelfx::ReadProfile(document, profile);

  // Key names are the program's own; the section name comes from the input.
  document.WriteString(name, "Key", "value");
  document.WriteInt("Setting", "KBDelay", -5);
  const brelfx::IniDocument reread(document.Text());
  Check(reread.ReadString(name, "Key", "") == document.ReadString(name, "Key", ""));
  Check(reread.ReadInt("Setting", "KBDelay", 0) == -5);
  Check(reread.Text() == document.Text());
  return 0;
}
