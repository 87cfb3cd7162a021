#include "option/app/trovi_page/share/share_request.h"

#include "option/app/program_identity.h"
#include "option/app/trovi_page/share/web_address.h"
#include "settings/ini_file.h"

namespace brelfx {
namespace {

constexpr int kTrophyCount = 16;
// The service numbers the keyboard's trophies from 14 on.
constexpr int kFirstTrophyNumber = 14;

}  // namespace

std::string ShareServiceUrl(const IniFile& config) {
  return config.ReadString(kShareSection, kShareUrlKey, kTrophyServiceAddress);
}

std::optional<std::string> BuildShareRequestUrl(std::string_view serviceUrl, int trophy,
                                                std::string_view installId) {
  if (trophy < 0 || trophy >= kTrophyCount || !IsPlainWebAddress(serviceUrl)) {
    return std::nullopt;
  }
  std::string url(serviceUrl);
  // A configured address may carry a query of its own already.
  url += url.find('?') == std::string::npos ? '?' : '&';
  url.append("product=").append(kProductArticleCode);
  url.append("&trophy=").append(std::to_string(trophy + kFirstTrophyNumber));
  url.append("&install=").append(installId);
  if (url.size() > kMaxWebAddressLength) return std::nullopt;
  return url;
}

}  // namespace brelfx
