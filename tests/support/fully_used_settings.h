// A settings block that uses every field: five profiles whose 58 keys each
// hold a 500-event macro with names, timer and launch path — the largest
// configuration the files ever carry (about 1.5 MB of INI text).
#pragma once

#include <memory>

#include "settings/settings_block.h"

namespace brelfx::test {

std::unique_ptr<SettingsBlock> FullyUsedBlock();

}  // namespace brelfx::test
