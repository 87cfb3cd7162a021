// Texts of the user interface travel as UTF-8 (the help libraries hold every
// language) and reach the screen through the wide calls, so they show
// whatever the system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace brelfx
