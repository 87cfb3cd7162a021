// Help texts travel as UTF-8 and are drawn with the wide GDI calls, so every
// language shows whatever the system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace brelfx
