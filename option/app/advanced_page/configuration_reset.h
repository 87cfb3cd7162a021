// Reset of the whole configuration from the Advanced page: slot 1 current,
// the five profiles as new ("Default1" ... "Default5"), no windows profile,
// MouseType 0, the change area empty. The language the user reads the
// window in and the achievement counters stay: neither is a keyboard
// setting, and the counters have a reset of their own on the Trovi page.
#pragma once

#include "settings/settings_block.h"

namespace brelfx {

void ResetConfiguration(SettingsBlock& block);

}  // namespace brelfx
