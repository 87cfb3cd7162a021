// INI text as it may come from any file: parsing, every kind of read, a
// write, and the rewritten text read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_document.h"
#include "settings/macro_library.h"
#include "settings/profile_file.h"
#include "settings/text_file_encoding.h"

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
  // The input as a macro library: bounded, and every name a C string.
  std::size_t macros = 0;
  for (const brelfx::MacroSet& set : brelfx::ReadMacroLibrary(document)) {
    for (const brelfx::MacroRecord& macro : set.macros)
      Check(macro.Name[sizeof(macro.Name) - 1] == '\0');
    macros += set.macros.size();
  }
  Check(macros <= 20000);

  // Key names are the program's own; the section name comes from the input.
  document.WriteString(name, "Key", "value");
  document.WriteInt("Setting", "KBDelay", -5);
  const brelfx::IniDocument reread(document.Text());
  Check(reread.ReadString(name, "Key", "") == document.ReadString(name, "Key", ""));
  Check(reread.ReadInt("Setting", "KBDelay", 0) == -5);
  Check(reread.Text() == document.Text());

  // Any ANSI text survives a trip through each encoding a file may have.
  for (auto encoding : {brelfx::TextFileEncoding::kUtf8, brelfx::TextFileEncoding::kUtf16Le}) {
    std::string bytes = brelfx::EncodeFromAnsi(text, encoding);
    Check(brelfx::DecodeToAnsi(bytes) == encoding && bytes == text);
  }
  // The input as the body of a file with either mark: read, written and read
  // again, it keeps its mark and its text.
  for (std::string_view mark : {std::string_view("\xFF\xFE"), std::string_view("\xEF\xBB\xBF")}) {
    brelfx::IniDocument marked(std::string(mark) + std::string(text));
    marked.WriteString("Setting", "Name", "\xE9t\xE9");
    const std::string written = marked.Text();
    Check(std::string_view(written).substr(0, mark.size()) == mark);
    const brelfx::IniDocument again(written);
    Check(again.ReadString("Setting", "Name", "") == "\xE9t\xE9");
    Check(again.Text() == written);
  }
  return 0;
}
