#include "option/skin/layout_string.h"

#include <cstdint>

#include "settings/text_field.h"

namespace brelfx {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Reads one "%d": optional blanks, an optional sign, digits. Advances `text`
// past what it read; returns false when there is no number. Values beyond 32
// bits saturate instead of overflowing.
bool ReadInt(std::string_view& text, int32_t& value) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const std::size_t digitsStart = i;
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (magnitude <= INT32_MAX) magnitude = magnitude * 10 + (text[i] - '0');
  }
  if (i == digitsStart) return false;
  if (magnitude > INT32_MAX) magnitude = negative ? int64_t{INT32_MAX} + 1 : INT32_MAX;
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  text.remove_prefix(i);
  return true;
}

// The four numbers "x,y,w,h" in the manner of sscanf("%d,%d,%d,%d"): reading
// stops at the first number or comma that is missing.
void ReadRect(std::string_view text, SkinRect& rect) {
  int32_t numbers[4] = {0, 0, 0, 0};
  for (int n = 0; n < 4; ++n) {
    if (n > 0) {
      if (text.empty() || text.front() != ',') break;
      text.remove_prefix(1);
    }
    if (!ReadInt(text, numbers[n])) break;
  }
  rect.left = numbers[0];
  rect.top = numbers[1];
  // A literal never comes near the limits; an absurd one saturates, so right
  // stays at or beyond left for a positive width and Width() never wraps.
  rect.right = SaturatedInt32(int64_t{numbers[0]} + numbers[2]);
  rect.bottom = SaturatedInt32(int64_t{numbers[1]} + numbers[3]);
}

}  // namespace

void ParseLayoutString(std::string_view text, LayoutItem& item) {
  item = LayoutItem{};  // every byte: the record has no padding
  const std::size_t firstComma = text.find(',');
  if (firstComma == std::string_view::npos) {
    SetTextField(item.name, text);
    return;
  }
  SetTextField(item.name, text.substr(0, firstComma));
  const std::string_view rest = text.substr(firstComma + 1);
  ReadRect(rest, item.rect);
  const std::size_t lastComma = rest.rfind(',');
  if (lastComma != std::string_view::npos) {
    SetTextField(item.tooltip, Trim(rest.substr(lastComma + 1)));
  }
}

LayoutItem ParseLayoutString(std::string_view text) {
  LayoutItem item;
  ParseLayoutString(text, item);
  return item;
}

}  // namespace brelfx
