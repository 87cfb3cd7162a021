// What the upgrade program does first, by the first character of its command
// line: the monitor gives "0" when the keyboard's firmware is newer than the
// one offered, "1" when the offered one is newer.
#pragma once

#include <string_view>

namespace brelfx {

enum class UpgradeStart {
  kDriverUpdatePanel,  // "0": newer software is needed, nothing is written
  kUpgradeQuestion,    // "1", "2" or nothing: ask before writing
  kMainWindow,         // anything else: write at once
};

UpgradeStart UpgradeStartFor(std::string_view commandLine);

}  // namespace brelfx
