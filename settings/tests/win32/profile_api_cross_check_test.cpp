// Independent check of IniFile against the system's own private-profile
// functions: what one writes, the other reads back with the same values.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/timer_file.h"
#include "tests/support/fully_used_settings.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

std::string ApiString(const std::string& path, const char* section, const char* key) {
  char buffer[2048];
  GetPrivateProfileStringA(section, key, "<missing>", buffer, sizeof(buffer), path.c_str());
  return buffer;
}

int ApiInt(const std::string& path, const char* section, const char* key) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, -777, path.c_str()));
}

class ProfileApiCrossCheck : public ::testing::Test {
 protected:
  test::TempFolder folder_;
};

TEST_F(ProfileApiCrossCheck, IniFileValuesReadBackThroughTheApi) {
  const std::string path = folder_.Join("ours.ini");
  IniFile ini(path);
  const unsigned char light[5] = {0x05, 0x01, 0xFF, 0x00, 0x00};
  ASSERT_TRUE(ini.WriteString("Setting", "ProFileName", "Caf\xE9 night"));
  ASSERT_TRUE(ini.WriteInt("Setting", "KBDelay", 3));
  ASSERT_TRUE(ini.WriteInt("Setting", "WindowsProfile", -1));
  ASSERT_TRUE(ini.WriteInt("Setting", "LtBreathSwitch ", 1));
  ASSERT_TRUE(ini.WriteStruct("Setting", "FixedLtInfo", light, sizeof(light)));
  ASSERT_TRUE(ini.WriteString("FileName", "Profile3", "C:\\Exports\\raid.tkp"));
  ASSERT_TRUE(ini.WriteInt("Setting", "KBDelay", 2));  // replaced in place

  EXPECT_EQ(ApiString(path, "Setting", "ProFileName"), "Caf\xE9 night");
  EXPECT_EQ(ApiInt(path, "Setting", "KBDelay"), 2);
  EXPECT_EQ(ApiInt(path, "Setting", "WindowsProfile"), -1);
  EXPECT_EQ(ApiInt(path, "setting", "LTBREATHSWITCH"), 1);
  EXPECT_EQ(ApiString(path, "FileName", "Profile3"), "C:\\Exports\\raid.tkp");
  unsigned char read[5] = {};
  EXPECT_TRUE(GetPrivateProfileStructA("Setting", "FixedLtInfo", read, sizeof(read), path.c_str()));
  EXPECT_EQ(std::memcmp(read, light, sizeof(light)), 0);
}

TEST_F(ProfileApiCrossCheck, AWholeProfileReadsBackKeyByKey) {
  const std::string path = folder_.Join("Default2.tkp");
  auto block = test::FullyUsedBlock();
  const ProfileRecord& profile = block->Profiles[2];
  ASSERT_TRUE(WriteProfileFile(SystemFileSystem(), path, profile));
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&profile);
  std::vector<std::uint8_t> buffer;
  for (const ProfileKey& key : ProfileKeys()) {
    const std::uint8_t* field = bytes + key.offset;
    const char* name = key.name.c_str();
    switch (key.kind) {
      case ValueKind::kText:
        EXPECT_EQ(ApiString(path, kProfileSection, name), reinterpret_cast<const char*>(field))
            << name;
        break;
      case ValueKind::kInt: {
        std::int32_t value;
        std::memcpy(&value, field, sizeof(value));
        EXPECT_EQ(ApiInt(path, kProfileSection, name), value) << name;
        break;
      }
      case ValueKind::kStruct:
        buffer.assign(key.size, 0);
        EXPECT_TRUE(GetPrivateProfileStructA(kProfileSection, name, buffer.data(),
                                             static_cast<UINT>(buffer.size()), path.c_str()))
            << name;
        EXPECT_EQ(std::memcmp(buffer.data(), field, key.size), 0) << name;
        break;
    }
  }
}

TEST_F(ProfileApiCrossCheck, ApiWrittenFilesReadBackThroughIniFile) {
  const std::string path = folder_.Join("theirs.tkp");
  auto block = test::FullyUsedBlock();
  const ProfileRecord& profile = block->Profiles[4];
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&profile);
  for (const ProfileKey& key : ProfileKeys()) {
    const std::uint8_t* field = bytes + key.offset;
    const char* name = key.name.c_str();
    switch (key.kind) {
      case ValueKind::kText:
        WritePrivateProfileStringA(kProfileSection, name, reinterpret_cast<const char*>(field),
                                   path.c_str());
        break;
      case ValueKind::kInt: {
        std::int32_t value;
        std::memcpy(&value, field, sizeof(value));
        WritePrivateProfileStringA(kProfileSection, name, std::to_string(value).c_str(),
                                   path.c_str());
        break;
      }
      case ValueKind::kStruct:
        WritePrivateProfileStructA(kProfileSection, name, const_cast<std::uint8_t*>(field),
                                   static_cast<UINT>(key.size), path.c_str());
        break;
    }
  }
  WritePrivateProfileStringA("Extra", "Note", "  spaced  ", path.c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // flush

  auto read = std::make_unique<ProfileRecord>();
  std::memset(read.get(), 0, sizeof(ProfileRecord));
  ASSERT_TRUE(ReadProfileFile(SystemFileSystem(), path, *read));
  EXPECT_EQ(std::memcmp(read.get(), &profile, sizeof(ProfileRecord)), 0);
  EXPECT_EQ(IniFile(path).ReadString("extra", "note", ""), ApiString(path, "Extra", "Note"));
}

TEST_F(ProfileApiCrossCheck, TimerFileReadsBackThroughTheApi) {
  const std::string path = folder_.Join("Timer.ini");
  TimerList timers(2, TimerRecord{});
  timers[0].seconds = 15;
  std::strcpy(timers[0].name, "Tea");
  timers[1].seconds = 999;
  std::strcpy(timers[1].name, "Respawn");
  ASSERT_TRUE(SaveTimers(path, timers));

  EXPECT_EQ(ApiInt(path, "Timer", "Count"), 2);
  for (int i = 0; i < 2; ++i) {
    TimerRecord read{};
    EXPECT_TRUE(GetPrivateProfileStructA("Timer", std::to_string(i).c_str(), &read, sizeof(read),
                                         path.c_str()));
    EXPECT_EQ(std::memcmp(&read, &timers[i], sizeof(read)), 0) << i;
  }
}

}  // namespace
}  // namespace brelfx
