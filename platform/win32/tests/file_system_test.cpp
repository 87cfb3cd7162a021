// Replacing a file that another handle holds open: Windows refuses while the
// handle is open, so the save waits for a reader to finish instead of failing.
#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/win32/handles.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

// A file holding "old" that a reader has open.
class FileHeldByAReader : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs.WriteFile(path, "old"));
    reader.reset(CreateFileA(path.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
  }
  std::string Contents() {
    std::string contents;
    EXPECT_TRUE(fs.ReadFile(path, contents));
    return contents;
  }

  test::TempFolder folder;
  const std::string path = folder.Join("profile.tkp");
  FileSystem& fs = SystemFileSystem();
  UniqueFileHandle reader;
};

TEST_F(FileHeldByAReader, AnAtomicWriteWaitsForTheReaderToClose) {
  std::thread closer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    reader.reset();
  });
  const bool written = WriteFileAtomically(fs, path, "new");
  closer.join();
  EXPECT_TRUE(written);
  EXPECT_EQ(Contents(), "new");
}

// Saves run on the monitor's window thread: the wait is 300 ms of sleeps. The
// bound leaves a loaded machine five times that, and still fails the 2 s wait
// of earlier versions.
TEST_F(FileHeldByAReader, HeldForGoodTheWriteFailsInBoundedTimeAndKeepsTheOld) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(WriteFileAtomically(fs, path, "new"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
  reader.reset();
  EXPECT_EQ(Contents(), "old");
}

// A settings folder deep enough that the file's path is 255 characters: the
// temporary file beside it must still fit in MAX_PATH.
TEST(AtomicWrite, APathNearMaxPathIsWritten) {
  test::TempFolder folder;
  const std::string path = folder.Join(std::string(255 - folder.Join("").size(), 'n'));
  ASSERT_EQ(path.size(), 255u);
  ASSERT_TRUE(WriteFileAtomically(SystemFileSystem(), path, "new"));
  std::string contents;
  ASSERT_TRUE(SystemFileSystem().ReadFile(path, contents));
  EXPECT_EQ(contents, "new");
}

}  // namespace
}  // namespace brelfx
