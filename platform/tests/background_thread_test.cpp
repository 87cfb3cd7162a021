#include "platform/background_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>

namespace brelfx {
namespace {

TEST(BackgroundThread, EndsWhenItsBodyReturnsInTime) {
  std::atomic<int> runs{0};
  BackgroundThread thread;
  ASSERT_TRUE(thread.Start([&] { ++runs; }));
  EXPECT_FALSE(thread.Start([&] { ++runs; }));  // one thread at a time
  EXPECT_TRUE(thread.EndWithin(1000));
  EXPECT_EQ(runs.load(), 1);
  EXPECT_TRUE(thread.EndWithin(0));  // nothing left to end
}

TEST(BackgroundThread, GivesUpOnABodyThatOverrunsItsTime) {
  // The body owns what it uses, as a given-up thread may outlive its owner.
  auto release = std::make_shared<std::promise<void>>();
  std::shared_future<void> released = release->get_future().share();
  BackgroundThread thread;
  ASSERT_TRUE(thread.Start([released] { released.wait(); }));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(thread.EndWithin(100));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
  release->set_value();
}

}  // namespace
}  // namespace brelfx
