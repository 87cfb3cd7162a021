#include "settings/timer_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

using test::ReadFileText;
using test::WriteFileText;

TimerRecord Timer(int seconds, const char* name) {
  TimerRecord timer{};
  timer.seconds = seconds;
  std::strncpy(timer.name, name, sizeof(timer.name) - 1);
  return timer;
}

bool Same(const TimerList& a, const TimerList& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(TimerRecord)) == 0);
}

class TimerFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::string path_ = TimerFilePath(folder_.path());
  test::FaultyFileSystem fs_;
};

TEST_F(TimerFileTest, WritesTheProfileFunctionsFormatAndReadsItBack) {
  const TimerList timers = {Timer(15, "Tea"), Timer(999, "Respawn boss"), Timer(0, "")};
  ASSERT_TRUE(SaveTimers(path_, timers, fs_));  // the config folder is made on the way

  // 15 s "Tea": 0F000000 546561, 97 zero bytes, checksum 0x29 (297 mod 256).
  const std::string tea = "0F000000546561" + std::string(2 * 97, '0') + "29";
  const std::string text = ReadFileText(path_);
  EXPECT_EQ(text.rfind("[Timer]\r\nCount=3\r\n0=" + tea + "\r\n1=", 0), 0u) << text;
  EXPECT_TRUE(Same(LoadTimers(path_, fs_), timers));
}

TEST_F(TimerFileTest, DamagedOrMissingTimerKeysGiveTheAllZeroTimer) {
  ASSERT_TRUE(SaveTimers(path_, {Timer(30, "One"), Timer(45, "Two"), Timer(60, "Three")}, fs_));
  std::string text = ReadFileText(path_);
  const std::size_t two = text.find("1=") + 2;
  text[two + 8] = text[two + 8] == 'F' ? 'E' : 'F';  // a name byte changes: checksum fails
  text.replace(text.find("Count=3"), 7, "Count=4");  // and key 3 is missing
  WriteFileText(path_, text);

  const TimerList loaded = LoadTimers(path_, fs_);
  EXPECT_TRUE(Same(loaded, {Timer(30, "One"), TimerRecord{}, Timer(60, "Three"), TimerRecord{}}));
}

TEST_F(TimerFileTest, ASaveNeverLosesTheTimersAlreadyStored) {
  const TimerList three = {Timer(30, "One"), Timer(45, "Two"), Timer(60, "Three")};
  ASSERT_TRUE(SaveTimers(path_, three, fs_));

  fs_.failingWrite = fs_.writes + 1;  // the write stops halfway, as in a crash
  EXPECT_FALSE(SaveTimers(path_, {Timer(90, "New")}, fs_));
  EXPECT_TRUE(Same(LoadTimers(path_, fs_), three));

  // A shorter list leaves no stale key behind.
  ASSERT_TRUE(SaveTimers(path_, {Timer(90, "New")}, fs_));
  EXPECT_EQ(ReadFileText(path_).find("1="), std::string::npos);
  EXPECT_TRUE(Same(LoadTimers(path_, fs_), {Timer(90, "New")}));
}

TEST_F(TimerFileTest, MissingFilesAndBadCountsLoadSafely) {
  EXPECT_TRUE(LoadTimers(path_, fs_).empty());

  // A name filling all 100 bytes is cut so it stays a C string.
  TimerRecord full{};
  full.seconds = 20;
  std::memset(full.name, 'x', sizeof(full.name));
  ASSERT_TRUE(SaveTimers(path_, {full}, fs_));
  const TimerList loaded = LoadTimers(path_, fs_);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_EQ(std::string(loaded[0].name), std::string(99, 'x'));

  // A count no list ever had must not exhaust the memory.
  WriteFileText(path_, "[Timer]\r\nCount=2147483647\r\n");
  EXPECT_LE(LoadTimers(path_, fs_).size(), 10000u);
  WriteFileText(path_, "[Timer]\r\nCount=-5\r\n");
  EXPECT_TRUE(LoadTimers(path_, fs_).empty());
}

}  // namespace
}  // namespace brelfx
