// What the option window and the tray hear while the keyboard is written or
// read: real sequences against the simulated keyboard.
#include "monitor/keyboard/apply_progress.h"

#include <gtest/gtest.h>

#include <vector>

#include "device/change_writes.h"
#include "device/tests/sim_sync_fixture.h"
#include "device/tests/travelling_settings.h"
#include "monitor/monitor_messages.h"
#include "monitor/tray/sync_tray_tip.h"
#include "monitor/tests/monitor_fakes.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

class LongWorkProgress : public test::SimSyncTest {
 protected:
  std::vector<test::FakeDesktop::Message> ProgressPosts() const {
    std::vector<test::FakeDesktop::Message> posts;
    for (const auto& message : desktop.log)
      if (message.message == WM_APPLY_PROGRESS && message.window == option && !message.sent)
        posts.push_back(message);
    return posts;
  }

  test::FakeDesktop desktop;
  WindowId option = desktop.AddWindow(kOptionWindowTitle,
                                      [](unsigned, std::uintptr_t, std::intptr_t) { return 0; });
  ApplyProgress applyProgress{desktop};
  test::EventLog log;
  test::FakeTray tray{log};
  SyncTrayTip tip{tray};
  DeviceSync observed{
      link,
      store,
      [] { return test::kSyncNow; },
      {},
      SyncProgressObservers{[this](int done, int planned) { applyProgress.Report(done, planned); },
                            [this](int done, int planned) { tip.Show(done, planned); }}};
};

TEST_F(LongWorkProgress, AWholeApplyPostsRisingProgressEndingWithEveryReportTheKeyboardTook) {
  test::AlterEverythingThatTravels(*block);
  MarkEverythingChanged(*block);
  ASSERT_TRUE(observed.SendChanges(*block));

  const auto posts = ProgressPosts();
  ASSERT_GE(posts.size(), 2u);
  EXPECT_LE(posts.size(), 101u);
  for (std::size_t i = 1; i < posts.size(); ++i) {
    EXPECT_GT(posts[i].wParam, posts[i - 1].wParam) << i;
    EXPECT_EQ(posts[i].lParam, posts[0].lParam) << i;
  }
  EXPECT_EQ(posts.front().wParam, 0u);
  EXPECT_EQ(posts.back().wParam, Received().size());
  EXPECT_EQ(posts.back().lParam, static_cast<std::intptr_t>(Received().size()));
  EXPECT_TRUE(log.Matching("tray tip").empty());  // an apply leaves the tray alone
}

TEST_F(LongWorkProgress, ASecondApplyStartsItsBarAgain) {
  block->KeyChanged[2][12] = 1;  // one key layer and the stamp
  ASSERT_TRUE(observed.SendChanges(*block));
  ASSERT_TRUE(observed.SendChanges(*block));
  std::vector<std::uintptr_t> written;
  for (const auto& post : ProgressPosts()) written.push_back(post.wParam);
  EXPECT_EQ(written, (std::vector<std::uintptr_t>{0, 1, 2, 0, 1, 2}));
}

TEST_F(LongWorkProgress, WithoutAnOptionWindowNothingIsPosted) {
  desktop.RemoveWindow(option);
  MarkEverythingChanged(*block);
  ASSERT_TRUE(observed.SendChanges(*block));
  EXPECT_TRUE(ProgressPosts().empty());
}

TEST_F(LongWorkProgress, AFullSyncShowsRisingPercentsInTheTipThenThePlainTip) {
  ASSERT_TRUE(AlteredElsewhere());
  ASSERT_FALSE(observed.CheckStamp());
  ASSERT_TRUE(observed.FullDeviceSync(*block));
  tip.Restore();

  const auto tips = log.Matching("tray tip ");
  ASSERT_GE(tips.size(), 3u);
  EXPECT_EQ(tips.front(), "tray tip " + SyncTrayTip::Text(0));
  EXPECT_EQ(tips[tips.size() - 2], "tray tip " + SyncTrayTip::Text(100));
  EXPECT_EQ(tips.back(), std::string("tray tip ") + kTrayTip);
  EXPECT_LE(tips.size(), 102u);
  EXPECT_TRUE(ProgressPosts().empty());  // a sync posts nothing to the option window
}

TEST(ProgressThrottle, PassesEachWholePercentOnceAndNeverGoesBack) {
  ProgressThrottle throttle;
  int passed = 0;
  for (int done = 0; done <= 1000; ++done) passed += throttle.Pass(done, 1000);
  EXPECT_EQ(passed, 101);
  EXPECT_FALSE(throttle.Pass(1000, 1000));
  EXPECT_FALSE(throttle.Pass(900, 2000));  // a grown plan does not lower the bar
  EXPECT_TRUE(throttle.Pass(0, 2000));     // a new run does
  EXPECT_TRUE(throttle.Pass(0, 0));
  EXPECT_EQ(ProgressThrottle::Percent(5, 0), 100);
  EXPECT_EQ(ProgressThrottle::Percent(3, 7), 42);
}

}  // namespace
}  // namespace brelfx
