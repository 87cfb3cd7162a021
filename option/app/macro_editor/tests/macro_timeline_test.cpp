#include "option/app/macro_editor/macro_timeline.h"

#include <gtest/gtest.h>

#include "option/app/macro_editor/timeline_geometry.h"

namespace brelfx {
namespace {

bool Same(const MacroEvents& a, const MacroEvents& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Code != b[i].Code || a[i].Type != b[i].Type || a[i].Delay != b[i].Delay) return false;
  return true;
}

// A then B overlapping, a press of C that is never released, a stray release of D.
const MacroEvents kOverlapping = {{0x04, 1, 100}, {0x05, 1, 50}, {0x04, 2, 30},
                                  {0x06, 1, 10},  {0x07, 2, 20}, {0x05, 2, 40}};

TEST(MacroTimeline, BarsFollowTheRunningTimeAndSkipUnpairedEvents) {
  const std::vector<MacroBar> bars = BarsOfEvents(kOverlapping);
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_EQ(bars[0].code, 0x04);
  EXPECT_EQ(bars[0].pressTime, 0u);
  EXPECT_EQ(bars[0].releaseTime, 150u);
  EXPECT_EQ(bars[1].code, 0x05);
  EXPECT_EQ(bars[1].pressTime, 100u);
  EXPECT_EQ(bars[1].releaseTime, 210u);
  // Nested presses of one key: a release closes the most recent open one.
  const MacroEvents nested = {{0x04, 1, 5}, {0x04, 1, 5}, {0x04, 2, 5}, {0x04, 2, 0}};
  const std::vector<MacroBar> inner = BarsOfEvents(nested);
  ASSERT_EQ(inner.size(), 2u);
  EXPECT_EQ(inner[0].releasePosition, 3);
  EXPECT_EQ(inner[1].pressPosition, 1);
  EXPECT_EQ(inner[1].releasePosition, 2);
}

TEST(MacroTimeline, LookingNeverChangesAMacroAndAnEditConvertsItBack) {
  MacroTimeline timeline;
  timeline.Load(kOverlapping);
  EXPECT_FALSE(timeline.EditedEvents());  // the unpaired events stay in the macro
  EXPECT_FALSE(timeline.MoveBar(0, 0));   // a drag that ends where it began

  ASSERT_TRUE(timeline.MoveBar(1, 200));  // B now starts after A ends
  const auto events = timeline.EditedEvents();
  ASSERT_TRUE(events);
  const MacroEvents expected = {{0x04, 1, 150}, {0x04, 2, 50}, {0x05, 1, 110}, {0x05, 2, 0}};
  EXPECT_TRUE(Same(*events, expected));
}

TEST(MacroTimeline, EqualTimesKeepTheListOrderAndAddedBarsComeLast) {
  MacroTimeline timeline;
  timeline.Load(MacroEvents{{0x04, 1, 0}, {0x05, 1, 10}, {0x05, 2, 0}, {0x04, 2, 0}});
  const auto added = timeline.AddBar(0x06, 0, 10);
  ASSERT_TRUE(added);
  EXPECT_EQ(timeline.Lanes(), (std::vector<std::uint8_t>{0x04, 0x05, 0x06}));
  const MacroEvents expected = {{0x04, 1, 0}, {0x05, 1, 0}, {0x06, 1, 10},
                                {0x05, 2, 0}, {0x04, 2, 0}, {0x06, 2, 0}};
  EXPECT_TRUE(Same(*timeline.EditedEvents(), expected));
  ASSERT_TRUE(timeline.DeleteBar(0));
  EXPECT_EQ(timeline.Lanes(), (std::vector<std::uint8_t>{0x05, 0x06}));
}

TEST(MacroTimeline, BarsStayInsideTheLimits) {
  MacroTimeline timeline;
  timeline.Load({});
  for (std::size_t i = 0; i < MacroTimeline::kMaxBars; ++i)
    ASSERT_TRUE(timeline.AddBar(0x04, 0, 5));
  EXPECT_FALSE(timeline.AddBar(0x04, 0, 5));
  EXPECT_EQ(timeline.EditedEvents()->size(), kMaxActions);

  ASSERT_TRUE(timeline.MoveBar(0, 1LL << 40));
  EXPECT_EQ(timeline.Bars()[0].releaseTime, MacroTimeline::kLatestTime);
  ASSERT_TRUE(timeline.MoveBar(0, -500));
  EXPECT_EQ(timeline.Bars()[0].pressTime, 0u);
  ASSERT_TRUE(timeline.SetBarRelease(0, 0));  // never before its press
  EXPECT_EQ(timeline.Bars()[0].releaseTime, timeline.Bars()[0].pressTime + 1);
  // A gap longer than a delay can hold is held to 65535 ms.
  MacroTimeline sparse;
  sparse.Load({});
  sparse.AddBar(0x04, 0, 1);
  sparse.AddBar(0x05, 200'000, 1);
  EXPECT_EQ((*sparse.EditedEvents())[1].Delay, 65535);
}

TEST(TimelineGeometry, TheMouseFindsBarsAndTheirEnds) {
  MacroTimeline timeline;
  timeline.Load(MacroEvents{{0x04, 1, 200}, {0x04, 2, 0}, {0x05, 1, 100}, {0x05, 2, 0}});
  TimelineGeometry geometry;  // 10 ms per pixel
  ASSERT_EQ(geometry.MsPerPixel(), 10);
  const int laneB = geometry.TopOfLane(1) + TimelineGeometry::kLaneHeight / 2;
  const int startB = geometry.XOfTime(200);
  EXPECT_EQ(geometry.HitTest(timeline, startB + 2, laneB).bar, 1);
  EXPECT_FALSE(geometry.HitTest(timeline, startB + 2, laneB).releaseEdge);
  EXPECT_TRUE(geometry.HitTest(timeline, startB + 9, laneB).releaseEdge);
  EXPECT_EQ(geometry.HitTest(timeline, startB + 2, geometry.TopOfLane(0) + 5).bar, -1);
  EXPECT_EQ(geometry.TimeOfX(geometry.XOfTime(1234)), 1230);
  while (geometry.ZoomIn()) {
  }
  EXPECT_EQ(geometry.MsPerPixel(), 1);
  while (geometry.ZoomOut()) {
  }
  EXPECT_EQ(geometry.MsPerPixel(), 200);
  geometry.FitTo(3000, 400);  // 7.5 ms per pixel would do: the next step out
  EXPECT_EQ(geometry.MsPerPixel(), 10);
}

}  // namespace
}  // namespace brelfx
