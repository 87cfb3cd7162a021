// Screenshots of the whole screen kept as test artefacts.
#pragma once

#include <string>

namespace brelfx::test {

// Saves the screen as NAME.bmp into the folder named by BRELFX_SCREENSHOTS;
// nothing when it is not set. False when the file could not be written.
bool SaveScreenshot(const std::string& name);

}  // namespace brelfx::test
