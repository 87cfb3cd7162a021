#include "settings/text_file_encoding.h"

#include <cstdint>

namespace brelfx {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// Windows-1252 bytes 0x80-0x9F; the five it leaves undefined keep their own
// value, as Windows maps them.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t Unicode(char ansi) {
  const auto byte = static_cast<unsigned char>(ansi);
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

char Ansi(char32_t unicode) {
  if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) return static_cast<char>(unicode);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == unicode) return static_cast<char>(0x80 + i);
  return '?';
}

// One UTF-8 sequence at `at`; 0 when there is no valid one.
std::size_t Utf8Sequence(std::string_view text, std::size_t at, char32_t& unicode) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0x80    ? 1
                             : lead >= 0xF0 ? 4
                             : lead >= 0xE0 ? 3
                             : lead >= 0xC2 ? 2
                                            : 0;
  if (length == 0 || at + length > text.size() || lead > 0xF4) return 0;
  unicode = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    unicode = unicode << 6 | (next & 0x3F);
  }
  const char32_t shortest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
  if (unicode < shortest || unicode > 0x10FFFF || (unicode >= 0xD800 && unicode <= 0xDFFF))
    return 0;
  return length;
}

std::string FromUtf8(std::string_view text) {
  std::string ansi;
  ansi.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    char32_t unicode = 0;
    const std::size_t length = Utf8Sequence(text, at, unicode);
    ansi += length == 0 ? text[at] : Ansi(unicode);
    at += length == 0 ? 1 : length;
  }
  return ansi;
}

// Characters outside the basic plane (surrogate pairs) are not ANSI: '?'.
std::string FromUtf16Le(std::string_view bytes) {
  std::string ansi;
  ansi.reserve(bytes.size() / 2);
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                                static_cast<unsigned char>(bytes[at + 1]) << 8);
    if (unit >= 0xDC00 && unit <= 0xDFFF) continue;  // second half of a pair: one '?' for both
    ansi += Ansi(unit);
  }
  return ansi;
}

void AppendUtf8(std::string& out, char32_t unicode) {
  if (unicode < 0x80) {
    out += static_cast<char>(unicode);
  } else if (unicode < 0x800) {
    out += static_cast<char>(0xC0 | unicode >> 6);
    out += static_cast<char>(0x80 | (unicode & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | unicode >> 12);
    out += static_cast<char>(0x80 | (unicode >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (unicode & 0x3F));
  }
}

}  // namespace

TextFileEncoding DecodeToAnsi(std::string& bytes) {
  const std::string_view text = bytes;
  if (text.substr(0, kUtf16LeMark.size()) == kUtf16LeMark) {
    bytes = FromUtf16Le(text.substr(kUtf16LeMark.size()));
    return TextFileEncoding::kUtf16Le;
  }
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    bytes = FromUtf8(text.substr(kUtf8Mark.size()));
    return TextFileEncoding::kUtf8;
  }
  return TextFileEncoding::kAnsi;
}

std::string EncodeFromAnsi(std::string_view ansi, TextFileEncoding encoding) {
  std::string bytes;
  switch (encoding) {
    case TextFileEncoding::kAnsi:
      return std::string(ansi);
    case TextFileEncoding::kUtf8:
      bytes.reserve(kUtf8Mark.size() + ansi.size());
      bytes = kUtf8Mark;
      for (char c : ansi) AppendUtf8(bytes, Unicode(c));
      return bytes;
    case TextFileEncoding::kUtf16Le:
      bytes.reserve(kUtf16LeMark.size() + 2 * ansi.size());
      bytes = kUtf16LeMark;
      for (char c : ansi) {
        const char32_t unicode = Unicode(c);
        bytes += static_cast<char>(unicode & 0xFF);
        bytes += static_cast<char>(unicode >> 8);
      }
      return bytes;
  }
  return std::string(ansi);
}

}  // namespace brelfx
