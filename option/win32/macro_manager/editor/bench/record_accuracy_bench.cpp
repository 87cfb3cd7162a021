// Not a test: how exactly the macro recorder measures delays under Wine, run
// by hand (scripts/macro-record-bench.sh). A recording pane in the test
// host receives 201 key strokes (SendInput from a second thread) whose gaps
// are 1 to 200 ms in a shuffled order; the recorded delays are compared
// with the gaps measured at the sender (the tick counts around each
// SendInput bound the key's time stamp). A second low-level hook, installed
// after the recorder's and so called first, times the recorder's hook
// procedure around CallNextHookEx.
//   macro-record-bench.exe
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <thread>
#include <vector>

#include "option/app/macro_editor/macro_editor_layout.h"
#include "option/win32/macro_manager/editor/tests/editor_test_host.h"
#include "tests/support/win32/screen_input.h"

namespace brelfx::test {
namespace {

constexpr int kGaps = 200;

double Milliseconds(LONGLONG ticks) {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

LONGLONG TicksOf(int milliseconds) {
  return static_cast<LONGLONG>(milliseconds / Milliseconds(1));
}

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

std::vector<LONGLONG> hookTimes;

LRESULT CALLBACK TimingHook(int code, WPARAM wParam, LPARAM lParam) {
  const LONGLONG start = Now();
  const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
  hookTimes.push_back(Now() - start);
  return result;
}

// Sleeps most of the way, then spins to the exact moment.
void WaitUntil(LONGLONG deadline) {
  const double left = Milliseconds(deadline - Now());
  if (left > 3) Sleep(static_cast<DWORD>(left - 2));
  while (Now() < deadline) {
  }
}

struct Spread {
  double p50, p99, max;
};

Spread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const auto at = [&](double q) {
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
  };
  return {at(0.5), at(0.99), values.back()};
}

int Run() {
  EditorTestHost host;
  MacroRecord macro{};
  host.pane().ShowMacro(&macro, true);
  ClickAt(LayoutCentre(host.View("BrelFX.MacroListEditor"), macro_editor::kRecord));
  PumpMessages(300);
  if (!host.pane().Recording()) {
    std::printf("the pane did not start recording\n");
    return 1;
  }
  HHOOK timing = SetWindowsHookExA(WH_KEYBOARD_LL, TimingHook, GetModuleHandleA(nullptr), 0);

  std::vector<int> gaps(kGaps);
  std::iota(gaps.begin(), gaps.end(), 1);
  std::shuffle(gaps.begin(), gaps.end(), std::mt19937(16));
  // Each stroke's time stamp lies between these two readings (SendInput
  // returns once the hooks have seen the key).
  std::vector<LONGLONG> sent(kGaps + 1), returned(kGaps + 1);
  std::atomic<bool> done{false};
  std::thread sender([&] {
    LONGLONG next = Now();
    for (int i = 0; i <= kGaps; ++i) {
      WaitUntil(next);
      // Press and release of A, B, C ...: no two strokes in a row are equal.
      sent[static_cast<std::size_t>(i)] = Now();
      SendKeyStroke(static_cast<WORD>('A' + (i / 2) % 26), i % 2 == 1);
      returned[static_cast<std::size_t>(i)] = Now();
      if (i < kGaps)
        next = sent[static_cast<std::size_t>(i)] + TicksOf(gaps[static_cast<std::size_t>(i)]);
    }
    done = true;
  });
  while (!done) PumpMessages(5);
  sender.join();
  PumpMessages(300);
  UnhookWindowsHookEx(timing);
  host.pane().StopRecording();

  if (macro.EventCount != kGaps + 1) {
    std::printf("recorded %d events of %d\n", macro.EventCount, kGaps + 1);
    return 1;
  }
  std::vector<double> errorToSent, errorToNominal, hook;
  for (int i = 0; i < kGaps; ++i) {
    const auto k = static_cast<std::size_t>(i);
    // The true gap lies between the shortest and the longest the readings allow.
    const double shortest = Milliseconds(sent[k + 1] - returned[k]);
    const double longest = Milliseconds(returned[k + 1] - sent[k]);
    const double recorded = macro.Events[i].Delay;
    // Tick counts are whole milliseconds: one of rounding is no error.
    errorToSent.push_back(std::max({0.0, shortest - 1 - recorded, recorded - longest - 1}));
    errorToNominal.push_back(std::abs(recorded - gaps[static_cast<std::size_t>(i)]));
  }
  for (LONGLONG t : hookTimes) hook.push_back(Milliseconds(t) * 1000.0);
  const Spread sentSpread = SpreadOf(errorToSent), nominalSpread = SpreadOf(errorToNominal),
               hookSpread = SpreadOf(hook);
  std::printf("recorded delay outside the sender's bounds, ms:    p50 %.2f  p99 %.2f  max %.2f\n",
              sentSpread.p50, sentSpread.p99, sentSpread.max);
  std::printf("recorded delay - nominal gap (1-200 ms), ms:      p50 %.2f  p99 %.2f  max %.2f\n",
              nominalSpread.p50, nominalSpread.p99, nominalSpread.max);
  std::printf("recorder's hook procedure, us (%zu calls):       p50 %.1f  p99 %.1f  max %.1f\n",
              hook.size(), hookSpread.p50, hookSpread.p99, hookSpread.max);
  return 0;
}

}  // namespace
}  // namespace brelfx::test

int main() {
  return brelfx::test::Run();
}
