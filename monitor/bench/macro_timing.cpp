#include "monitor/bench/macro_timing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "monitor/playback/key_sender.h"
#include "monitor/playback/macro_player.h"

namespace brelfx {
namespace {

using Stamp = std::chrono::steady_clock::time_point;
constexpr int kEvents = 500;

class StampingInput final : public InputInjector {
 public:
  StampingInput() { stamps.reserve(kEvents); }
  void KeyboardEvent(std::uint8_t, std::uint8_t, std::uint32_t) override { Note(); }
  void MouseEvent(std::uint32_t, std::uint32_t) override { Note(); }
  std::vector<Stamp> stamps;

 private:
  void Note() { stamps.push_back(std::chrono::steady_clock::now()); }
};

// Presses and releases of the letters, each followed by 1-20 ms.
std::unique_ptr<KeyAssignment> MakeMacro(std::mt19937& random) {
  auto entry = std::make_unique<KeyAssignment>();
  *entry = KeyAssignment{};
  entry->FunctionCode = kFnMacro;
  entry->RepeatCount = 1;
  entry->ActionCount = kEvents;
  std::uniform_int_distribution<int> delay(1, 20);
  for (int i = 0; i < kEvents; ++i) {
    entry->Actions[i] = {static_cast<std::uint8_t>(0x04 + (i / 2) % 26),
                         static_cast<std::uint8_t>(i % 2 ? 2 : 1),
                         static_cast<std::uint16_t>(delay(random))};
  }
  return entry;
}

double Ms(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(p * (values.size() - 1))];
}

}  // namespace

int RunMacroTimingBench(Clock& clock, const KeyboardLayout& layout, ProcessorTimeMs processorMs,
                        int runs) {
  std::mt19937 random(20240607);
  std::vector<double> eventErrors;
  double playedMs = 0, processorUsedMs = 0;
  std::printf("macro timing: %d events, delays 1-20 ms, %d runs\n", kEvents, runs);
  // The first translation of a key can be slow (Wine loads the layout then);
  // a monitor pays it once, the figures here leave it out.
  for (unsigned vk = 0x41; vk <= 0x5A; ++vk) layout.VkToScan(vk);
  for (int run = 0; run < runs; ++run) {
    const std::unique_ptr<KeyAssignment> entry = MakeMacro(random);
    StampingInput input;
    KeySender keys(input, layout);
    MacroPlayer player(keys, clock);
    const std::optional<MacroJob> job = player.StartOrStop(*entry);
    if (!job) return 1;
    const double processorStartMs = processorMs();
    const Stamp start = std::chrono::steady_clock::now();
    player.Play(*job);
    const Stamp end = std::chrono::steady_clock::now();
    processorUsedMs += processorMs() - processorStartMs;
    playedMs += Ms(end - start);
    if (input.stamps.size() != kEvents) return 1;

    double scheduledMs = 0;
    for (int i = 0; i < kEvents; ++i) {
      eventErrors.push_back(Ms(input.stamps[i] - start) - scheduledMs);
      scheduledMs += entry->Actions[i].Delay;
    }
    std::printf("  run %d: sum of delays %.0f ms, total duration error %+.3f ms\n", run + 1,
                scheduledMs, Ms(end - start) - scheduledMs);
  }
  std::printf("per-event error: p50 %.3f ms, p99 %.3f ms, max %.3f ms, min %.3f ms\n",
              Percentile(eventErrors, 0.5), Percentile(eventErrors, 0.99),
              Percentile(eventErrors, 1.0), Percentile(eventErrors, 0.0));
  std::printf("processor time while playing: %.0f ms in %.0f ms (%.1f %% of one core)\n",
              processorUsedMs, playedMs, 100.0 * processorUsedMs / playedMs);
  return 0;
}

}  // namespace brelfx
