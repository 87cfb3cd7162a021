// Taking a worker job's settings into the window thread's block. The job ran
// on a copy of the block as it was posted; meanwhile the window thread may
// have changed its block itself (a profile or brightness change on the
// keyboard, a reload from the option application). Those changes are newer
// than what the job read and stay; everything else the job changed is taken.
#pragma once

#include "settings/settings_block.h"

namespace brelfx {

// Byte by byte: where `local` still equals `posted`, it becomes `job`. The
// window thread's own changes are whole small fields (the active profile, a
// brightness) or whole blocks, so no field ends up half from each side.
void MergeJobSettings(SettingsBlock& local, const SettingsBlock& posted, const SettingsBlock& job);

}  // namespace brelfx
