// The numeric rules of the skinned edit field.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

// Virtual-key codes the numeric filter lets through (Windows' VK_ values).
bool IsNumericEditKey(unsigned virtualKey);

// The text kept after a change in a numeric field: only the digits, plus '-'
// and '+' when signs are allowed ("a1-2+3" gives "12" or "1-2+3").
std::string ReduceNumericText(std::string_view text, bool allowSign);

}  // namespace brelfx
