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
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    reader.reset();
  });
  const bool written = WriteFileAtomically(fs, path, "new");
  closer.join();
  EXPECT_TRUE(written);
  EXPECT_EQ(Contents(), "new");
}

TEST_F(FileHeldByAReader, HeldForGoodTheWriteFailsInBoundedTimeAndKeepsTheOld) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(WriteFileAtomically(fs, path, "new"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  reader.reset();
  EXPECT_EQ(Contents(), "old");
}

}  // namespace
}  // namespace brelfx
