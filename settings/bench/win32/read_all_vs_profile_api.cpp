// Times our Read all of a fully used configuration against reading the same
// values one key at a time through the system's private-profile functions.
//   bash scripts/wine-session.sh wine build/windows/bin/read_all_vs_profile_api.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/registry.h"
#include "settings/block_defaults.h"
#include "settings/profile_file.h"
#include "settings/settings_files.h"
#include "tests/support/fully_used_settings.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace brelfx;

template <typename Body>
double MedianMs(int runs, Body body) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    body();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// config.ini's header and the 86 keys of each profile file, key by key.
void ReadThroughProfileApi(const SettingsFiles& files, SettingsBlock& block) {
  const std::string config = files.ConfigIniPath();
  block.CurrentProfile = static_cast<int>(GetPrivateProfileIntA("Setting", "CurrentProfile", -1, config.c_str()));
  block.WindowsProfile = static_cast<int>(GetPrivateProfileIntA("Setting", "WindowsProfile", -1, config.c_str()));
  block.QuickHelpLan = static_cast<int>(GetPrivateProfileIntA("Setting", "QuickHelpLan", -1, config.c_str()));
  block.MouseType = static_cast<int>(GetPrivateProfileIntA("Setting", "MouseType", -1, config.c_str()));
  GetPrivateProfileStructA("Setting", "InfoData", block.InfoData, sizeof(block.InfoData), config.c_str());
  for (int slot = 0; slot < kProfileCount; ++slot) {
    const std::string path = files.ProfileFilePath(slot);
    auto* bytes = reinterpret_cast<std::uint8_t*>(&block.Profiles[slot]);
    for (const ProfileKey& key : ProfileKeys()) {
      std::uint8_t* field = bytes + key.offset;
      switch (key.kind) {
        case ValueKind::kText: {
          char buffer[2048];
          GetPrivateProfileStringA(kProfileSection, key.name.c_str(), "", buffer, sizeof(buffer), path.c_str());
          std::strncpy(reinterpret_cast<char*>(field), buffer, key.size - 1);
          break;
        }
        case ValueKind::kInt: {
          const auto value = static_cast<std::int32_t>(
              GetPrivateProfileIntA(kProfileSection, key.name.c_str(), key.readDefault, path.c_str()));
          std::memcpy(field, &value, sizeof(value));
          break;
        }
        case ValueKind::kStruct:
          GetPrivateProfileStructA(kProfileSection, key.name.c_str(), field, static_cast<UINT>(key.size),
                                   path.c_str());
          break;
      }
    }
  }
}

}  // namespace

int main() {
  test::TempFolder folder;
  SettingsFiles files(folder.path(), SystemFileSystem(), NoRegistry());
  auto written = test::FullyUsedBlock();
  if (!files.WriteAll(*written)) {
    std::fprintf(stderr, "Write all failed in %s\n", folder.path().c_str());
    return 2;
  }
  auto ours = std::make_unique<SettingsBlock>(*written);
  auto theirs = std::make_unique<SettingsBlock>(*written);
  const double readAll = MedianMs(21, [&] {
    ClearBlock(*ours);
    files.ReadAll(*ours);
  });
  const double writeAll = MedianMs(11, [&] { files.WriteAll(*written); });
  const double api = MedianMs(5, [&] {
    ClearBlock(*theirs);
    ReadThroughProfileApi(files, *theirs);
  });
  const bool same = std::memcmp(ours.get(), written.get(), kChangeAreaOffset) == 0 &&
                    std::memcmp(theirs.get(), written.get(), kChangeAreaOffset) == 0;
  std::printf("Read all (ours):              %8.2f ms median\n", readAll);
  std::printf("Write all (ours):             %8.2f ms median\n", writeAll);
  std::printf("5 x 86 keys via profile API:  %8.2f ms median\n", api);
  std::printf("ratio:                        %8.1f x\n", api / readAll);
  std::printf("both reads reproduce the block: %s\n", same ? "yes" : "NO");
  return same ? 0 : 1;
}
