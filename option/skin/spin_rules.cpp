#include "option/skin/spin_rules.h"

#include <algorithm>
#include <climits>
#include <string>

namespace brelfx {

int ParseLeadingInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min<long long>(magnitude * 10 + (text[i] - '0'), 1LL << 32);
  }
  const long long value = negative ? -magnitude : magnitude;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

namespace {

// From the first character of "-+123456789" on, digits and at most one sign.
std::string CleanSpinText(std::string_view text) {
  const std::size_t start = text.find_first_of("-+123456789");
  if (start == std::string_view::npos) return {};
  std::string kept;
  bool signSeen = false;
  for (char c : text.substr(start)) {
    if (c >= '0' && c <= '9') {
      kept.push_back(c);
    } else if ((c == '-' || c == '+') && !signSeen) {
      signSeen = true;
      kept.push_back(c);
    }
  }
  return kept;
}

}  // namespace

SpinOutcome SpinOnEditNotify(std::string_view text, bool enter, const SpinRange& range) {
  const std::string cleaned = CleanSpinText(text);
  int value = std::min(ParseLeadingInt(cleaned), range.maximum);
  SpinOutcome out;
  if (enter) {
    value = std::max(value, range.minimum);
    const std::string shown = std::to_string(value);
    if (shown != text) {
      out.newText = shown;
      out.caretToEnd = true;
    }
  } else if (!text.empty()) {
    if (value == 0 && value < range.minimum) value = range.minimum;
    // A lone sign is the start of a number being typed; leave it standing.
    if (cleaned != "-" && cleaned != "+") {
      const std::string shown = std::to_string(value);
      if (shown != text) out.newText = shown;
    }
  }
  out.value = value;
  out.report = value >= range.minimum;
  return out;
}

SpinOutcome SpinOnKillFocus(std::string_view text, const SpinRange& range) {
  const int typed = ParseLeadingInt(text);
  const int value = std::clamp(typed, range.minimum, std::max(range.minimum, range.maximum));
  SpinOutcome out;
  out.value = value;
  if (value != typed) out.newText = std::to_string(value);
  out.report = true;
  return out;
}

std::optional<SpinOutcome> SpinOnArrow(std::string_view text, bool up, const SpinRange& range) {
  const int current = ParseLeadingInt(text);
  if (up ? current > range.maximum : current < range.minimum) return std::nullopt;
  const long long moved = static_cast<long long>(current) + (up ? range.step : -range.step);
  SpinOutcome out = SpinOnSetValue(static_cast<int>(
      std::clamp<long long>(moved, range.minimum, std::max(range.minimum, range.maximum))));
  out.report = true;
  return out;
}

SpinOutcome SpinOnSetValue(int value) {
  SpinOutcome out;
  out.value = value;
  out.newText = std::to_string(value);
  return out;
}

}  // namespace brelfx
