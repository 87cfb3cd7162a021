// An ambient-light effect a Talk peer asks the keyboard to show: report 0x17
// at once, and the off form when timer 630 ends it (120 s after the last
// request).
#pragma once

#include <cstdint>
#include <span>

#include "device/keyboard_state_reports.h"
#include "device/report_link.h"
#include "platform/window_timers.h"

namespace brelfx {

constexpr int kAmbientLightMs = 120000;

class AmbientLight {
 public:
  AmbientLight(ReportLink& reports, WindowTimers& timers, int durationMs = kAmbientLightMs)
      : reports_(reports), timers_(timers), durationMs_(durationMs) {}

  // The effect the next request shows: a payload of exactly the record's 20
  // bytes; false (record unchanged) for any other size.
  bool TakeRecord(std::span<const std::uint8_t> payload);
  // The request: shows the current record and (re)starts the timer.
  void Show();
  // Timer 630.
  void End();

 private:
  ReportLink& reports_;
  WindowTimers& timers_;
  int durationMs_;
  AmbientLightRecord record_{};
};

}  // namespace brelfx
