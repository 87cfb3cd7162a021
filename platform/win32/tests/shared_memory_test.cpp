// The Win32 section and mutex within one process: two adapters stand for the
// creating and the opening program. Names carry the process id so parallel
// test programs never meet.
#include "platform/win32/shared_memory.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace brelfx {
namespace {

constexpr std::size_t kBlockSize = 744924;

std::string UniqueName(const char* what) {
  return std::string("BrelFX_Test_") + what + "_" + std::to_string(GetCurrentProcessId());
}

class Win32SharedMemoryTest : public testing::Test {
 protected:
  const std::string section = UniqueName("Section");
  const std::string mutex = UniqueName("Mutex");
  Win32SharedMemory creator;
  Win32SharedMemory opener;
};

TEST_F(Win32SharedMemoryTest, OpenerSeesWhatTheCreatorCopiedIn) {
  ASSERT_EQ(creator.Create(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kMapped);
  ASSERT_EQ(opener.Open(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kMapped);
  std::vector<unsigned char> written(kBlockSize);
  for (std::size_t i = 0; i < written.size(); ++i) written[i] = static_cast<unsigned char>(i * 7);
  ASSERT_TRUE(creator.CopyTo(written.data(), written.size()));
  std::vector<unsigned char> read(kBlockSize);
  ASSERT_TRUE(opener.CopyFrom(read.data(), read.size()));
  EXPECT_EQ(read, written);
  // Larger than the section: refused, nothing copied.
  std::vector<unsigned char> tooLarge(kBlockSize + 4096, 0xEE);
  EXPECT_FALSE(opener.CopyTo(tooLarge.data(), tooLarge.size()));
  ASSERT_TRUE(creator.CopyFrom(read.data(), read.size()));
  EXPECT_EQ(read, written);
}

TEST_F(Win32SharedMemoryTest, SectionIsGoneWhenEveryHandleIsClosed) {
  EXPECT_EQ(opener.Open(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kAbsent);
  unsigned char byte = 0;
  EXPECT_FALSE(opener.CopyTo(&byte, 1));

  ASSERT_EQ(creator.Create(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kMapped);
  ASSERT_EQ(opener.Open(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kMapped);
  creator.Close();
  EXPECT_TRUE(opener.CopyTo(&byte, 1));  // the opener's handles keep it alive
  opener.Close();
  EXPECT_FALSE(opener.CopyTo(&byte, 1));
  EXPECT_EQ(opener.Open(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kAbsent);
}

TEST_F(Win32SharedMemoryTest, SmallerSectionOfTheSameNameIsNotMapped) {
  ASSERT_EQ(creator.Create(section.c_str(), mutex.c_str(), 4096), SharedOpenResult::kMapped);
  EXPECT_EQ(opener.Open(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kMapFailed);
  std::vector<unsigned char> block(kBlockSize);
  EXPECT_FALSE(opener.CopyTo(block.data(), block.size()));
  Win32SharedMemory secondCreator;
  EXPECT_EQ(secondCreator.Create(section.c_str(), mutex.c_str(), kBlockSize),
            SharedOpenResult::kMapFailed);
}

TEST_F(Win32SharedMemoryTest, WithoutItsMutexTheSectionIsMappedButNotCopied) {
  const std::string otherMutex = UniqueName("NoSuchMutex");
  Win32SharedMemory lonely;
  ASSERT_EQ(creator.Create(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kMapped);
  ASSERT_EQ(lonely.Open(section.c_str(), otherMutex.c_str(), kBlockSize),
            SharedOpenResult::kMapped);
  unsigned char byte = 1;
  EXPECT_FALSE(lonely.CopyTo(&byte, 1));
  EXPECT_FALSE(lonely.CopyFrom(&byte, 1));
}

// Runs `body(mutexName)` on a thread of its own and returns its result.
DWORD OnOtherThread(LPTHREAD_START_ROUTINE body, const std::string& mutexName) {
  HANDLE thread = CreateThread(nullptr, 0, body, const_cast<char*>(mutexName.c_str()), 0, nullptr);
  if (!thread) return WAIT_FAILED;
  DWORD result = WAIT_FAILED;
  if (WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0) GetExitCodeThread(thread, &result);
  CloseHandle(thread);
  return result;
}

DWORD WINAPI TakeMutexAndEnd(void* name) {
  HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, static_cast<const char*>(name));
  const DWORD result = mutex ? WaitForSingleObject(mutex, 1000) : WAIT_FAILED;
  CloseHandle(mutex);  // ends holding it: the mutex is abandoned
  return result;
}

DWORD WINAPI TakeAndReleaseMutex(void* name) {
  HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, static_cast<const char*>(name));
  const DWORD result = mutex ? WaitForSingleObject(mutex, 1000) : WAIT_FAILED;
  if (result == WAIT_OBJECT_0) ReleaseMutex(mutex);
  CloseHandle(mutex);
  return result;
}

TEST_F(Win32SharedMemoryTest, AbandonedMutexStillLetsCopiesThroughAndIsReleased) {
  ASSERT_EQ(creator.Create(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kMapped);
  ASSERT_EQ(opener.Open(section.c_str(), mutex.c_str(), kBlockSize), SharedOpenResult::kMapped);
  ASSERT_EQ(OnOtherThread(TakeMutexAndEnd, mutex), WAIT_OBJECT_0);

  const unsigned char written = 0x5A;
  EXPECT_TRUE(creator.CopyTo(&written, 1));
  unsigned char read = 0;
  EXPECT_TRUE(opener.CopyFrom(&read, 1));
  EXPECT_EQ(read, written);
  // Another thread (the other program) gets the mutex at once afterwards.
  EXPECT_EQ(OnOtherThread(TakeAndReleaseMutex, mutex), WAIT_OBJECT_0);
}

}  // namespace
}  // namespace brelfx
