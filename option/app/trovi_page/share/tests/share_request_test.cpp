#include "option/app/trovi_page/share/share_request.h"

#include <gtest/gtest.h>

#include "option/app/trovi_page/share/install_id.h"
#include "settings/ini_file.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

constexpr char kId[] = "0123456789abcdef0123456789abcdef";

TEST(BuildShareRequestUrl, CarriesProductTrophyNumberAndInstallId) {
  EXPECT_EQ(BuildShareRequestUrl("https://share.example/t", 0, kId),
            std::string("https://share.example/t?product=BFX-K710&trophy=14&install=") + kId);
  EXPECT_EQ(BuildShareRequestUrl("http://127.0.0.1:8000/t?key=1", 15, kId),
            std::string("http://127.0.0.1:8000/t?key=1&product=BFX-K710&trophy=29&install=") + kId);
}

TEST(BuildShareRequestUrl, RefusesATrophyOutOfRangeOrAServiceThatIsNoWebAddress) {
  EXPECT_FALSE(BuildShareRequestUrl("https://share.example/t", -1, kId));
  EXPECT_FALSE(BuildShareRequestUrl("https://share.example/t", 16, kId));
  EXPECT_FALSE(BuildShareRequestUrl("file:///C:/share.exe", 3, kId));
  EXPECT_FALSE(BuildShareRequestUrl("", 3, kId));
  EXPECT_FALSE(BuildShareRequestUrl("https://share.example/" + std::string(2000, 'a'), 3, kId));
}

class InstallIdTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  test::FaultyFileSystem fs;
  IniFile config{folder.Join("config.ini"), fs};
  int draws = 0;
  RandomBytesSource random = [this](std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
    ++draws;
    return true;
  };
};

TEST_F(InstallIdTest, IsCreatedOnceAndKeptInConfigIni) {
  config.WriteString("Setting", "CurrentProfile", "2");
  const std::string id = ReadOrCreateInstallId(config, random);
  EXPECT_EQ(id, "a0a1a2a3a4a5a6a7a8a9aaabacadaeaf");
  EXPECT_EQ(config.ReadString("Share", "InstallId", ""), id);
  EXPECT_EQ(ReadOrCreateInstallId(config, random), id);
  EXPECT_EQ(draws, 1);
  EXPECT_EQ(config.ReadString("Setting", "CurrentProfile", ""), "2");
}

TEST_F(InstallIdTest, AnEditedIdIsReplacedAndAFailedRandomSourceGivesNone) {
  config.WriteString("Share", "InstallId", "00:1A:2B:3C:4D:5E");
  const std::string id = ReadOrCreateInstallId(config, random);
  EXPECT_TRUE(IsInstallId(id));
  EXPECT_EQ(config.ReadString("Share", "InstallId", ""), id);

  config.WriteString("Share", "InstallId", "");
  const int writes = fs.writes;
  EXPECT_EQ(ReadOrCreateInstallId(config, [](std::uint8_t*, std::size_t) { return false; }), "");
  EXPECT_EQ(fs.writes, writes);
}

TEST_F(InstallIdTest, AnIdThatCannotBeKeptIsStillUsed) {
  fs.failingWrite = 1;
  EXPECT_TRUE(IsInstallId(ReadOrCreateInstallId(config, random)));
}

}  // namespace
}  // namespace brelfx
