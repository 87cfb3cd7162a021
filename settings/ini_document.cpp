#include "settings/ini_document.h"

#include <cstdint>
#include <cstring>

#include "settings/struct_value.h"

namespace brelfx {
namespace {

// Blanks as the profile functions see them (0x1A is the old end-of-file mark).
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1A;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// A value that the programs read as text: one pair of enclosing quotes (single
// or double) goes, and it is cut to the read buffer.
std::string_view ProfileText(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value.substr(0, kMaxIniString);
}

}  // namespace

int LeadingDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

IniDocument::IniDocument()
    : text_(std::make_unique<std::string>()),
      written_(std::make_unique<std::deque<std::string>>()),
      sections_(1) {}

IniDocument::IniDocument(std::string text) : IniDocument() {
  *text_ = std::move(text);
  encoding_ = DecodeToAnsi(*text_);
  Parse(*text_);
}

IniDocument IniDocument::Over(std::string_view text) {
  std::string decoded(text.substr(0, 3));
  if (DecodeToAnsi(decoded) != TextFileEncoding::kAnsi) return IniDocument(std::string(text));
  IniDocument document;
  document.Parse(text);
  return document;
}

void IniDocument::Parse(std::string_view rest) {
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    // "[name]" opens a section; a header without its "]" is an ordinary line.
    const std::string_view content = Trim(line);
    if (!content.empty() && content.front() == '[') {
      const std::size_t close = content.rfind(']');
      if (close != std::string_view::npos) {
        sections_.push_back(Section{line, Trim(content.substr(1, close - 1)), {}});
        continue;
      }
    }
    sections_.back().lines.push_back(ParseLine(line));
  }
}

IniDocument::Line IniDocument::ParseLine(std::string_view text) {
  Line line;
  line.text = text;
  const std::size_t equals = text.find('=');
  if (equals != std::string_view::npos) {
    line.isKey = true;
    line.name = Trim(text.substr(0, equals));
    line.value = Trim(text.substr(equals + 1));
  }
  return line;
}

std::string_view IniDocument::Keep(std::string text) {
  written_->push_back(std::move(text));
  return written_->back();
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  // sections_[0] holds the lines before the first header.
  for (std::size_t i = 1; i < sections_.size(); ++i) names.emplace_back(sections_[i].name);
  return names;
}

std::size_t IniDocument::FindSection(std::string_view name) const {
  name = Trim(name);
  for (std::size_t i = 0; i < sections_.size(); ++i)
    if (SameName(sections_[i].name, name)) return i;
  return kNoSection;
}

const IniDocument::Line* IniDocument::FindKey(const Section& section, std::string_view key) const {
  key = Trim(key);
  for (const Line& line : section.lines)
    if (line.isKey && SameName(line.name, key)) return &line;
  return nullptr;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
  const std::size_t index = FindSection(section);
  if (index == kNoSection) return std::nullopt;
  const Line* line = FindKey(sections_[index], key);
  if (!line) return std::nullopt;
  return line->value;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const auto value = Find(section, key);
  return std::string(value ? ProfileText(*value) : defaultValue.substr(0, kMaxIniString));
}

int IniDocument::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
  const auto value = Find(section, key);
  if (!value) return defaultValue;
  const std::string_view text = ProfileText(*value);
  return text.empty() ? defaultValue : LeadingDecimal(text);
}

bool IniDocument::ReadStruct(std::string_view section, std::string_view key, void* data,
                             std::size_t size) const {
  const auto value = Find(section, key);
  return value && DecodeStructValue(*value, data, size);
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  SetLine(section, key, value.substr(0, value.find_first_of("\r\n")));
}

void IniDocument::WriteInt(std::string_view section, std::string_view key, int value) {
  SetLine(section, key, std::to_string(value));
}

void IniDocument::WriteStruct(std::string_view section, std::string_view key, const void* data,
                              std::size_t size) {
  SetLine(section, key, EncodeStructValue(data, size));
}

void IniDocument::SetLine(std::string_view sectionName, std::string_view key,
                          std::string_view value) {
  sectionName = Trim(sectionName);
  key = Trim(key);
  std::size_t index = FindSection(sectionName);
  if (index == kNoSection) {
    const std::string_view header = Keep("[" + std::string(sectionName) + "]");
    sections_.push_back(Section{header, header.substr(1, sectionName.size()), {}});
    index = sections_.size() - 1;
  }
  Section& section = sections_[index];
  if (const Line* found = FindKey(section, key)) {
    // Replace in place, keeping the key's name as the file spells it.
    auto& line = section.lines[static_cast<std::size_t>(found - section.lines.data())];
    std::string text(line.name);
    text += '=';
    text += value;
    line = ParseLine(Keep(std::move(text)));
    return;
  }
  // A new key goes after the section's last non-blank line.
  std::size_t at = section.lines.size();
  while (at > 0 && Trim(section.lines[at - 1].text).empty()) --at;
  std::string text(key);
  text += '=';
  text += value;
  section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(at),
                       ParseLine(Keep(std::move(text))));
}

std::string IniDocument::Text() const {
  std::size_t size = 0;
  for (const Section& section : sections_) {
    size += section.header.size() + 2;
    for (const Line& line : section.lines) size += line.text.size() + 2;
  }
  std::string text;
  text.reserve(size);
  for (const Section& section : sections_) {
    if (!section.header.empty()) text.append(section.header).append("\r\n");
    for (const Line& line : section.lines) text.append(line.text).append("\r\n");
  }
  return encoding_ == TextFileEncoding::kAnsi ? text : EncodeFromAnsi(text, encoding_);
}

}  // namespace brelfx
