// Names the user types (timers, macro sets) are kept without the blanks
// around them and told apart without regard to case, so "Boss " and "boss"
// are one name.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

// The text without blanks (space, tab, line breaks) at either end.
std::string TrimmedName(std::string_view text);

// True when both are the same name once trimmed, ignoring ASCII case.
bool SameName(std::string_view a, std::string_view b);

}  // namespace brelfx
