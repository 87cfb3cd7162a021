#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "device/keyboard_reports.h"
#include "device/profile_reports.h"
#include "device/report_link.h"
#include "device/tests/report_test_blocks.h"
#include "tests/support/fake_zendrel.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

// The monitor's window thread and device worker share one link: neither may
// slip a call into the other's request-read or write-poll exchange.
TEST(ReportLinkThreads, WindowAndWorkerTransactionsNeverInterleave) {
  test::FakeZendrel fake;
  const ZendrelApi api = test::FakeZendrel::Api();
  test::VirtualClock clock;
  std::atomic<int> cancel{0};
  ReportLink link(api, clock, cancel);

  auto source = test::DefaultBlock();
  source->Profiles[1].ModifyKey[2] = 0;
  fake.Answer(BuildKeyEnableReport(source->Profiles[1], 1));
  fake.Answer(BuildStampReport(SettingsStamp{{7}}));
  constexpr int kRounds = 300;

  int workerFailures = 0;
  std::thread worker([&] {
    auto block = test::DefaultBlock();
    for (int i = 0; i < kRounds; ++i) {
      if (!ReadKeyEnable(link, 1, *block)) ++workerFailures;
    }
    EXPECT_EQ(block->Profiles[1].ModifyKey[2], 0);
  });
  int windowFailures = 0;
  auto block = test::DefaultBlock();
  for (int i = 0; i < kRounds; ++i) {
    if (!SendTalkState(link, 1, 255)) ++windowFailures;
    if (!ReadStamp(link)) ++windowFailures;
  }
  worker.join();

  EXPECT_EQ(workerFailures, 0);
  EXPECT_EQ(windowFailures, 0);
  EXPECT_EQ(fake.interleavings(), 0);
  EXPECT_EQ(fake.sent().size(), 2u * kRounds);
}

}  // namespace
}  // namespace brelfx
