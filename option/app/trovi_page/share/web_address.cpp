#include "option/app/trovi_page/share/web_address.h"

#include <algorithm>
#include <cctype>

namespace brelfx {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char lower, char c) {
           return std::tolower(static_cast<unsigned char>(c)) == lower;
         });
}

// Printable ASCII, less what would end or escape an argument or a path.
bool IsAddressCharacter(char c) {
  if (c <= ' ' || c > '~') return false;  // controls, blank, DEL, non-ASCII
  return std::string_view("\"'`\\<>").find(c) == std::string_view::npos;
}

std::size_t SchemeLength(std::string_view text) {
  for (std::string_view scheme : {"https://", "http://"}) {
    if (StartsWithNoCase(text, scheme)) return scheme.size();
  }
  return 0;
}

}  // namespace

bool IsPlainWebAddress(std::string_view text) {
  if (text.size() > kMaxWebAddressLength) return false;
  if (!std::all_of(text.begin(), text.end(), IsAddressCharacter)) return false;
  const std::size_t scheme = SchemeLength(text);
  if (scheme == 0) return false;
  // The host: up to the path, query or fragment; never empty.
  const std::string_view rest = text.substr(scheme);
  return !rest.empty() && std::string_view("/?#").find(rest.front()) == std::string_view::npos;
}

std::optional<std::string> WebAddressFromReply(std::string_view reply) {
  if (reply.ends_with('\n')) reply.remove_suffix(1);
  if (reply.ends_with('\r')) reply.remove_suffix(1);
  if (!IsPlainWebAddress(reply)) return std::nullopt;
  return std::string(reply);
}

}  // namespace brelfx
