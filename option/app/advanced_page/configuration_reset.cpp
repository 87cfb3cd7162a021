#include "option/app/advanced_page/configuration_reset.h"

#include "settings/block_defaults.h"

namespace brelfx {

void ResetConfiguration(SettingsBlock& block) {
  const int language = block.QuickHelpLan;
  ClearBlock(block);
  block.CurrentProfile = 0;
  block.WindowsProfile = -1;
  for (int slot = 0; slot < kProfileCount; ++slot) SetProfileDefaults(block.Profiles[slot], slot);
  block.QuickHelpLan = language;
}

}  // namespace brelfx
