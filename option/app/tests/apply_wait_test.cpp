#include <gtest/gtest.h>

#include "option/app/apply_progress.h"
#include "option/app/monitor_message_gate.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

TEST(MonitorMessageGate, HoldsNotificationsDuringApplyAndHandsThemOverOnceInOrder) {
  MonitorMessageGate gate;
  EXPECT_FALSE(gate.Hold(WM_PROFILE_SWITCHED));
  gate.BeginApply();
  EXPECT_TRUE(gate.Hold(WM_PROFILE_SWITCHED));
  EXPECT_TRUE(gate.Hold(WM_BRIGHTNESS_CHANGED));
  EXPECT_TRUE(gate.Hold(WM_PROFILE_SWITCHED));
  EXPECT_EQ(gate.EndApply(),
            (std::vector<unsigned int>{WM_PROFILE_SWITCHED, WM_BRIGHTNESS_CHANGED}));
  EXPECT_FALSE(gate.Hold(WM_PROFILE_SWITCHED));
  EXPECT_TRUE(gate.EndApply().empty());
}

TEST(ApplyProgress, LightsTheWrittenShareAndStaysInsideTheBar) {
  EXPECT_EQ(ApplyProgressFill(0, 58, 200), 0);
  EXPECT_EQ(ApplyProgressFill(29, 58, 200), 100);
  EXPECT_EQ(ApplyProgressFill(58, 58, 200), 200);
  EXPECT_EQ(ApplyProgressFill(70, 58, 200), 200);
  EXPECT_EQ(ApplyProgressFill(5, 0, 200), 0);
  EXPECT_EQ(ApplyProgressFill(-3, 58, 200), 0);
  // Large counts do not overflow on the way.
  EXPECT_EQ(ApplyProgressFill(3000000000LL, 4000000000LL, 400), 300);
}

}  // namespace
}  // namespace brelfx
