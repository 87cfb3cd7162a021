#include "option/app/macro_editor/macro_event_edits.h"

#include <gtest/gtest.h>

#include "option/app/macro_editor/macro_event_rows.h"
#include "option/app/macro_editor/macro_key_codes.h"

namespace brelfx {
namespace {

MacroEvents Typed(std::size_t count) {
  return MacroEvents(count, MacroEvent{0x04, 1, 0});
}

TEST(MacroEventEdits, MouseClickNeedsRoomForBothEvents) {
  MacroEvents events = Typed(499);
  EXPECT_FALSE(InsertMouseEvent(events, 0, kMouseLeft, MouseAction::kClick));
  EXPECT_EQ(events.size(), 499u);
  EXPECT_TRUE(InsertMouseEvent(events, 0, kMouseLeft, MouseAction::kDown));
  EXPECT_FALSE(InsertMouseEvent(events, 0, kMouseLeft, MouseAction::kUp));

  events = Typed(498);
  ASSERT_TRUE(InsertMouseEvent(events, 1, kMouseWheel, MouseAction::kClick));
  ASSERT_EQ(events.size(), 500u);
  EXPECT_EQ(events[1].Code, kMouseWheel);
  EXPECT_EQ(events[1].Type, kEventPress);
  EXPECT_EQ(events[2].Code, kMouseWheel);
  EXPECT_EQ(events[2].Type, kEventRelease);
  EXPECT_EQ(events[3].Code, 0x04);
}

TEST(MacroEventEdits, TypedDelaysAndLoopCountsAreHeldToTheirRanges) {
  EXPECT_EQ(DelayOfText("250"), 250u);
  EXPECT_EQ(DelayOfText(" 70000 "), 65535u);
  EXPECT_EQ(DelayOfText("99999999999999999999999"), 65535u);
  EXPECT_EQ(DelayOfText("0"), 1u);
  EXPECT_EQ(DelayOfText("-5"), 1u);
  EXPECT_EQ(DelayOfText(""), 1u);
  EXPECT_EQ(DelayOfText("12ms"), 12u);

  EXPECT_EQ(ClampLoopField(0), 1);
  EXPECT_EQ(ClampLoopField(300), 255);
  EXPECT_EQ(LoopValue(false, 40), 1);
  EXPECT_EQ(LoopValue(true, 40), 40);
  EXPECT_EQ(LoopValue(true, 0), 1);
}

TEST(MacroEventEdits, DelayRowsAreInsertedClearedAndEventsDeleted) {
  MacroEvents events = {{0x04, 1, 0}, {0x04, 2, 30}, {0x05, 1, 0}};
  EXPECT_FALSE(InsertDelayBefore(events, 0));  // nothing before the first
  EXPECT_FALSE(InsertDelayBefore(events, 2));  // the event before has one
  EXPECT_TRUE(InsertDelayBefore(events, 1));
  EXPECT_EQ(events[0].Delay, 1);

  ASSERT_TRUE(DeleteDelay(events, 1));  // the delay row: the event stays
  EXPECT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].Delay, 0);
  ASSERT_TRUE(DeleteEvent(events, 0));  // an event row: the rest moves up
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].Type, 2);
  EXPECT_FALSE(DeleteEvent(events, 2));
  EXPECT_FALSE(SetDelay(events, -1, 5));
}

TEST(MacroEventEdits, StoringZeroesTheSlotsBehindTheLastEvent) {
  MacroRecord macro{};
  StoreEvents(Typed(5), macro);
  StoreEvents(Typed(2), macro);
  EXPECT_EQ(macro.EventCount, 2);
  EXPECT_EQ(macro.Events[2].Code, 0);
  EXPECT_EQ(macro.Events[4].Type, 0);
  macro.EventCount = 9999;  // a damaged file: never read beyond the slots
  EXPECT_EQ(EventsOfMacro(macro).size(), kMaxActions);
}

TEST(MacroEventRows, EventAndDelayRowsCarryPositionAndStyle) {
  const MacroEvents events = {{0x0B, 1, 120}, {0x0B, 2, 0}, {kMouseLeft, 1, 0}};
  const std::vector<MacroEventRow> rows = MacroEventRows(events, UsKeyboardLayout());
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].text, "H Press");
  EXPECT_EQ(rows[0].itemData, 0x0001008Au);
  EXPECT_EQ(rows[1].text, "120 ms");
  EXPECT_EQ(rows[1].itemData, 0x00010087u);
  EXPECT_EQ(rows[2].text, "H Release");
  EXPECT_EQ(rows[2].itemData, 0x00020089u);
  EXPECT_EQ(rows[3].text, "Left Button Press");
  EXPECT_EQ(rows[3].itemData, 0x00030092u);
  EXPECT_EQ(MacroRowOfEvent(rows, 0, true), 1);
  EXPECT_EQ(MacroRowOfEvent(rows, 1, true), -1);
  EXPECT_EQ(MacroRowTargetOf(rows[1].itemData).event, 0);
  EXPECT_TRUE(MacroRowTargetOf(rows[1].itemData).delay);
}

}  // namespace
}  // namespace brelfx
