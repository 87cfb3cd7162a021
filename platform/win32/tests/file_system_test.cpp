// Replacing a file that another handle holds open: Windows refuses while the
// handle is open, so the save waits for a reader to finish instead of failing.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/file_system.h"
#include "platform/win32/handles.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

UniqueFileHandle OpenForReading(const std::string& path) {
  return UniqueFileHandle(CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(Win32FileSystem, AnAtomicWriteWaitsForAReaderToCloseTheFile) {
  test::TempFolder folder;
  const std::string path = folder.Join("profile.tkp");
  FileSystem& fs = SystemFileSystem();
  ASSERT_TRUE(fs.WriteFile(path, "old"));
  UniqueFileHandle reader = OpenForReading(path);
  ASSERT_TRUE(reader);
  std::thread closer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    reader.reset();
  });
  const bool written = WriteFileAtomically(fs, path, "new");
  closer.join();
  EXPECT_TRUE(written);
  std::string contents;
  ASSERT_TRUE(fs.ReadFile(path, contents));
  EXPECT_EQ(contents, "new");
}

TEST(Win32FileSystem, AFileHeldOpenForGoodFailsTheWriteInBoundedTimeAndKeepsTheOld) {
  test::TempFolder folder;
  const std::string path = folder.Join("profile.tkp");
  FileSystem& fs = SystemFileSystem();
  ASSERT_TRUE(fs.WriteFile(path, "old"));
  UniqueFileHandle reader = OpenForReading(path);
  ASSERT_TRUE(reader);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(WriteFileAtomically(fs, path, "new"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  reader.reset();
  std::string contents;
  ASSERT_TRUE(fs.ReadFile(path, contents));
  EXPECT_EQ(contents, "old");
}

}  // namespace
}  // namespace brelfx
