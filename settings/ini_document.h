// One INI file in memory, read and changed by the Windows private-profile
// rules, so a whole configuration is parsed once and written once:
// - section and key names compare without regard to (ASCII) case and without
//   the blanks around them; the first matching section and, in it, the first
//   matching key count;
// - values lose the blanks around them, and ReadString also one pair of
//   enclosing quotes;
// - a written key replaces the existing line in place, a new key goes after
//   the last line of its section, a new section at the end of the file;
// - CRLF and LF are read, CRLF is written; every other line is kept as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brelfx {

// Longest text a ReadString returns (the 2,048-byte buffer of the programs).
constexpr std::size_t kMaxIniString = 2047;

class IniDocument {
 public:
  IniDocument();
  explicit IniDocument(std::string_view text);

  // The value of a key with the surrounding blanks removed; nothing when the
  // key is missing. The view lives until the document changes.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

  bool HasSection(std::string_view section) const { return FindSection(section) != kNoSection; }

  // The value text, at most kMaxIniString characters, or the default.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The optionally signed decimal number at the start of the value, or the
  // default when the key is missing or empty.
  int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;
  // Decodes a struct value of exactly `size` bytes; false (data untouched)
  // when the key is missing or the value is damaged.
  bool ReadStruct(std::string_view section, std::string_view key, void* data,
                  std::size_t size) const;

  // A value cannot span lines: text from the first line break on is dropped.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInt(std::string_view section, std::string_view key, int value);
  void WriteStruct(std::string_view section, std::string_view key, const void* data,
                   std::size_t size);

  // The file text, every line ended with CRLF.
  std::string Text() const;

 private:
  struct Line {
    std::string text;
    std::size_t valueBegin = 0, valueEnd = 0;  // trimmed value of a key line
  };
  struct Section {
    std::string header;  // the "[name]" line as stored; empty before the first header
    std::string name;    // trimmed, as compared
    std::vector<Line> lines;
    std::unordered_map<std::string, std::size_t> keys;  // lower-cased key → first line
  };

  static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
  std::size_t FindSection(std::string_view name) const;
  void AddLine(Section& section, std::string text);
  void SetLine(std::string_view section, std::string_view key, std::string_view value);

  std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
};

// The optionally signed decimal number at the start of a text (blanks before
// it skipped); 0 when there is none. Overflow wraps as in 32-bit arithmetic.
int LeadingDecimal(std::string_view text);

}  // namespace brelfx
