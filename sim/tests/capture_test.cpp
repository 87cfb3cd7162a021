// The capture: every report in and out, events and plug changes, with times.
#include "sim/capture.h"

#include "sim/device_events.h"
#include "sim/tests/sim_fixture.h"

namespace brelfx::sim::test {
namespace {

using Capture = SimFixture;

TEST_F(Capture, RecordsTrafficWithClockTimes) {
  Set({0x13, 0x06, 0x01, 0x39, 0x53, 0x00});
  clock.SleepMs(1500);
  Status();
  keyboard.faults().FailGetCount = 1;
  Get(kVersionReport, 6);
  clock.SleepMs(12);
  keyboard.RaiseEvent(kEventKey, 0x0105);
  keyboard.Unplug();
  EXPECT_EQ(FormatCapture(state->Capture),
            "#1        0.000 set   ok   13 06 01 39 53 00\n"
            "#2        1.500 get   ok   04 01 00\n"
            "#3        1.500 get   fail 0f\n"
            "#4        1.512 event type 0d00 value 0105\n"
            "#5        1.512 plug  left\n");
}

TEST_F(Capture, RingKeepsTheLatestEntries) {
  for (int i = 0; i < kCaptureCapacity + 6; ++i)
    keyboard.RaiseEvent(kEventKey, static_cast<std::uint16_t>(i));
  const auto entries = CaptureEntries(state->Capture);
  ASSERT_EQ(entries.size(), static_cast<std::size_t>(kCaptureCapacity));
  EXPECT_EQ(entries.front()->Sequence, 7u);
  EXPECT_EQ(entries.front()->Value, 6u);
  EXPECT_EQ(entries.back()->Value, static_cast<std::uint32_t>(kCaptureCapacity + 5));
  ClearCapture(state->Capture);
  EXPECT_TRUE(CaptureEntries(state->Capture).empty());
}

TEST_F(Capture, LongReportsAreKeptWhole) {
  Bytes macro(kMaxReportSize, 0);
  macro[0] = kMacroReport;
  Set(macro);  // refused by the keyboard, but delivered and captured
  const auto entries = CaptureEntries(state->Capture);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0]->Length, kMaxReportSize);
  const std::string line = FormatCaptureEntry(*entries[0]);
  EXPECT_EQ(line.size(), std::string("#1        0.000 set   ok  ").size() + 3 * kMaxReportSize);
}

}  // namespace
}  // namespace brelfx::sim::test
