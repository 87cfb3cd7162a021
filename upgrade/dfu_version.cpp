#include "upgrade/dfu_version.h"

namespace brelfx {

std::string DfuVersionText(int loaderVersion) {
  if (loaderVersion < 100 || loaderVersion > 500) return "N/A";
  const std::string digits = std::to_string(loaderVersion);
  return digits.substr(0, 1) + "." + digits.substr(1);
}

}  // namespace brelfx
