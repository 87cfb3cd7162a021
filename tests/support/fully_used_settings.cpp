#include "tests/support/fully_used_settings.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "settings/block_defaults.h"
#include "settings/text_field.h"

namespace brelfx::test {

std::unique_ptr<SettingsBlock> FullyUsedBlock() {
  auto block = std::make_unique<SettingsBlock>();
  std::memset(block.get(), 0, sizeof(SettingsBlock));
  ClearBlock(*block);
  SetDefaults(*block, 1031);
  block->CurrentProfile = 2;
  block->WindowsProfile = 4;
  block->MouseType = 3;
  for (int i = 0; i < kInfoDataSize; ++i) block->InfoData[i] = static_cast<std::uint8_t>(i * 7);

  std::uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 16; };
  for (int p = 0; p < kProfileCount; ++p) {
    ProfileRecord& profile = block->Profiles[p];
    const std::string n = std::to_string(p + 1);
    SetTextField(profile.ProFileName, "Raid night \xE9quipe " + n);  // é in Windows-1252
    SetTextField(profile.GameFile0, "C:\\Games\\Shooter " + n + "\\bin\\shooter.exe");
    SetTextField(profile.GameFile1, "D:\\Steam\\steamapps\\common\\Racer\\racer" + n + ".exe");
    SetTextField(profile.GameFile2, std::string(499, static_cast<char>('a' + p)));
    profile.KBDelay = p % 4;
    profile.KBSpeed = 31 - p;
    profile.LtColorType = p % 3;
    profile.CCLtInfo = LightInfo{16, 1, static_cast<std::uint8_t>(p * 40), 200, 7};
    for (int k = 0; k < kKeyCount; ++k) {
      KeyAssignment& key = profile.MacroKeyInfo[k];
      key.FunctionCode = kFnMacro;
      key.TargetPid = 0xFFFF;
      SetTextField(key.Name1, "Recorded " + std::to_string(k));
      SetTextField(key.MacroSetName, "Set " + n);
      SetTextField(key.MacroName, "Combo " + n + "-" + std::to_string(k));
      key.RepeatCount = k % 5;
      key.ActionCount = kMaxActions;
      for (MacroEvent& event : key.Actions) {
        event.Code = static_cast<std::uint8_t>(4 + next() % 0x60);
        event.Type = static_cast<std::uint8_t>(1 + next() % 2);
        event.Delay = static_cast<std::uint16_t>(next() % 3000);
      }
      key.TimerLength = 60 * k;
      SetTextField(key.TimerName, "Respawn " + std::to_string(k));
      SetTextField(key.LaunchPath, "C:\\Tools\\helper" + std::to_string(k) + ".exe");
    }
  }
  return block;
}

}  // namespace brelfx::test
