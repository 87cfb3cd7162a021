// One INI file in memory, read and changed by the Windows private-profile
// rules, so a whole configuration is parsed once and written once:
// - section and key names compare without regard to (ASCII) case and without
//   the blanks around them; the first matching section and, in it, the first
//   matching key count;
// - values lose the blanks around them, and ReadString also one pair of
//   enclosing quotes;
// - a written key replaces the existing line in place, a new key goes after
//   the last line of its section, a new section at the end of the file;
// - CRLF and LF are read, CRLF is written; every other line is kept as it was;
// - a file in UTF-16LE or UTF-8 with its byte-order mark is read as ANSI text
//   and written back in its own encoding.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/text_file_encoding.h"

namespace brelfx {

// Longest text a ReadString returns (the 2,048-byte buffer of the programs).
constexpr std::size_t kMaxIniString = 2047;

class IniDocument {
 public:
  IniDocument();
  // Takes the file's bytes (moved in when the caller can spare it).
  explicit IniDocument(std::string text);
  // Reads bytes that the caller keeps alive and unchanged while the document
  // lives: lets one buffer serve a batch of files. (A file with a
  // byte-order mark is decoded into a copy.)
  static IniDocument Over(std::string_view text);
  // Lines are views into buffers the document owns; moving keeps them valid.
  IniDocument(IniDocument&&) noexcept = default;
  IniDocument& operator=(IniDocument&&) noexcept = default;
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;

  // The value of a key with the surrounding blanks removed; nothing when the
  // key is missing. The view lives until the document changes.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

  bool HasSection(std::string_view section) const { return FindSection(section) != kNoSection; }
  // The names of the sections in file order.
  std::vector<std::string> SectionNames() const;

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

  // The file's bytes, every line ended with CRLF, in the encoding it was
  // read in.
  std::string Text() const;

 private:
  struct Line {
    std::string_view text;  // without its line end
    bool isKey = false;
    std::string_view name;   // a key line's trimmed name
    std::string_view value;  // and trimmed value
  };
  struct Section {
    std::string_view header;  // the "[name]" line as stored; empty before the first header
    std::string_view name;    // trimmed, as compared
    std::vector<Line> lines;
  };
  static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);

  void Parse(std::string_view text);
  static Line ParseLine(std::string_view text);
  std::size_t FindSection(std::string_view name) const;
  const Line* FindKey(const Section& section, std::string_view key) const;
  // Keeps a new line's text for the document's lifetime.
  std::string_view Keep(std::string text);
  void SetLine(std::string_view section, std::string_view key, std::string_view value);

  // Heap-held so that views survive moves of the document.
  std::unique_ptr<std::string> text_;  // the owned file text, if any
  std::unique_ptr<std::deque<std::string>> written_;
  std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
  TextFileEncoding encoding_ = TextFileEncoding::kAnsi;
};

// The optionally signed decimal number at the start of a text (blanks before
// it skipped); 0 when there is none. Overflow wraps as in 32-bit arithmetic.
int LeadingDecimal(std::string_view text);

}  // namespace brelfx
