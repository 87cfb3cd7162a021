// The trophy service answers with the web address of the shared trophy, and
// the shell opens whatever it is given: a program, a file or a script
// address would be run. Only a single plain http(s) address passes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brelfx {

// Longest address taken; browsers and the shell cope with it everywhere.
constexpr std::size_t kMaxWebAddressLength = 2048;

// True for one "http://" or "https://" address (scheme in any case) with a
// host, at most kMaxWebAddressLength long, made only of printable ASCII
// without blanks, quotes, backslashes or angle brackets.
bool IsPlainWebAddress(std::string_view text);

// The address the service's reply names (one trailing line end dropped), or
// nothing when the reply is anything but a plain web address.
std::optional<std::string> WebAddressFromReply(std::string_view reply);

}  // namespace brelfx
