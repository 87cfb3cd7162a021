// The update loader's version as the main window shows it after "DFU V":
// byte 3 of the keyboard's version report, 100-500, with a point after the
// first digit (103 → "1.03"); anything else is "N/A".
#pragma once

#include <string>

namespace brelfx {

std::string DfuVersionText(int loaderVersion);

}  // namespace brelfx
