// The two links of the Update page: the driver and the help page of the
// support site, each naming the product and the versions the user runs, so
// the site can offer what fits.
#pragma once

#include <string>
#include <string_view>

namespace brelfx {

struct SupportLinks {
  std::string driver;
  std::string help;
};

SupportLinks BuildSupportLinks(std::string_view programVersion, std::string_view firmwareVersion);

}  // namespace brelfx
