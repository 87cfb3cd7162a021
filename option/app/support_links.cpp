#include "option/app/support_links.h"

#include "option/app/program_identity.h"

namespace brelfx {
namespace {

std::string Link(std::string_view page, std::string_view programVersion,
                 std::string_view firmwareVersion) {
  std::string link = kSupportSiteAddress;
  link.append(page).append(kProductArticleCode);
  link.append("_").append(programVersion).append("_").append(firmwareVersion);
  return link;
}

}  // namespace

SupportLinks BuildSupportLinks(std::string_view programVersion, std::string_view firmwareVersion) {
  return {Link("support_driver_", programVersion, firmwareVersion),
          Link("support_help_", programVersion, firmwareVersion)};
}

}  // namespace brelfx
