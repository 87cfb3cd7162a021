#include "option/skin/lists/in_place_edit_rules.h"

namespace brelfx {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::optional<std::string> FinishInPlaceEdit(std::string_view text, InPlaceEditEnd end) {
  if (end == InPlaceEditEnd::kEscape) return std::nullopt;
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  return std::string(text);
}

std::string_view LimitedText(std::string_view text, std::size_t limit) {
  return limit == 0 ? text : text.substr(0, limit);
}

}  // namespace brelfx
