#include "upgrade/start_rule.h"

namespace brelfx {

UpgradeStart UpgradeStartFor(std::string_view commandLine) {
  const std::size_t first = commandLine.find_first_not_of(' ');
  if (first == std::string_view::npos) return UpgradeStart::kUpgradeQuestion;
  switch (commandLine[first]) {
    case '0':
      return UpgradeStart::kDriverUpdatePanel;
    case '1':
    case '2':
      return UpgradeStart::kUpgradeQuestion;
    default:
      return UpgradeStart::kMainWindow;
  }
}

}  // namespace brelfx
