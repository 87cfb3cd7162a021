// The request "Share" sends to the trophy service: one GET of the configured
// address with three query fields,
//   product=<article code>&trophy=<selected trophy + 14>&install=<install id>
// all plain letters, digits and '-', so nothing needs escaping. The service
// answers with the web address to open (see web_address.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brelfx {

class IniFile;

// config.ini [Share] Url: where the trophy service is; tests point it at a
// local server.
constexpr char kShareSection[] = "Share";
constexpr char kShareUrlKey[] = "Url";

// The configured service address, or kTrophyServiceAddress when the key is
// missing.
std::string ShareServiceUrl(const IniFile& config);

// The address to fetch for trophy 0-15; nothing when the trophy is out of
// range or the service address is not a plain web address.
std::optional<std::string> BuildShareRequestUrl(std::string_view serviceUrl, int trophy,
                                                std::string_view installId);

}  // namespace brelfx
