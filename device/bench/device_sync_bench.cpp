// Wall time of the two long sequences against a simulated keyboard that
// answers at once, on the real clock, compared with the pauses the protocol
// mandates for the run: the ratio shows what our own work adds (goal ≤ 1.01).
//
//   build/native/device/device_sync_bench
//
// Each run waits about two and a half minutes in the pauses.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <memory>

#include "device/change_writes.h"
#include "device/device_sync.h"
#include "device/tests/memory_sync_store.h"
#include "device/tests/report_test_blocks.h"
#include "settings/block_defaults.h"
#include "sim/factory_profiles.h"
#include "sim/sim_binding.h"
#include "sim/sim_keyboard.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

// The system clock, adding up every sleep it is asked for.
class SleepSummingClock final : public Clock {
 public:
  std::int64_t NowMs() override { return SystemClock().NowMs(); }
  void SleepMs(std::int64_t ms) override {
    if (ms > 0) requestedMs_ += ms;
    SystemClock().SleepMs(ms);
  }
  std::int64_t requestedMs() const { return requestedMs_; }

 private:
  std::int64_t requestedMs_ = 0;
};

// Pauses of Send changes with every flag set and a macro on every key 0-35:
// profile select 100 + 200; per profile key enable, F-key, Zonix and media
// 500 + 200 each, thumb and macro keys 200 + 200 each, illumination and Caps
// Lock 100 + 100 each; 180 macros at 500; the stamp 200.
constexpr std::int64_t kSendChangesPausesMs =
    300 + kProfileCount * (4 * 700 + 2 * 400 + 2 * 200) + kProfileCount * 36 * 500 + 200;
// Pauses of a Full device sync that is not in step over the same keyboard:
// version 100, profile select 100, 40 profile reports at 100 + 100, 180
// macros at 100 + 100, five profile pauses at 100, the stamp 200.
constexpr std::int64_t kFullSyncPausesMs = 200 + 40 * 200 + kProfileCount * 36 * 200 + 500 + 200;

std::unique_ptr<SettingsBlock> EverythingChanged() {
  auto block = test::DefaultBlock();
  for (int p = 0; p < kProfileCount; ++p)
    for (int k = 0; k < kMacroKeyCount; ++k) test::GiveMacro(*block, p, k, kMaxActions);
  MarkEverythingChanged(*block);
  return block;
}

struct Bench {
  Bench() {
    sim::ResetKeyboardState(*state);
    binding.api().Open_FeatureDevice();
  }

  // Times `sequence`; reports wall time, the pauses it asked for and their
  // ratio to the pauses the protocol mandates.
  template <typename Sequence>
  void Measure(benchmark::State& benchState, std::int64_t mandatedMs, Sequence sequence) {
    const std::int64_t pausesBefore = clock.requestedMs();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = sequence();
    const double wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const std::int64_t pausesMs = clock.requestedMs() - pausesBefore;
    benchState.SetIterationTime(wallMs / 1000);
    if (!ok) benchState.SkipWithError("the sequence failed");
    if (pausesMs != mandatedMs) benchState.SkipWithError("pauses differ from the protocol");
    benchState.counters["wall_ms"] = wallMs;
    benchState.counters["pauses_ms"] = static_cast<double>(pausesMs);
    benchState.counters["ratio"] = wallMs / static_cast<double>(mandatedMs);
  }

  std::unique_ptr<sim::SimKeyboardState> state = std::make_unique<sim::SimKeyboardState>();
  sim::SimKeyboard keyboard{*state, SystemClock(), {}, 1};
  sim::SimKeyboardBinding binding{keyboard};
  std::atomic<int> cancel{0};
  SleepSummingClock clock;
  ReportLink link{binding.api(), clock, cancel};
  test::MemorySyncStore store;
  DeviceSync sync{link, store, SystemSecondsSince1970, {}};
  std::unique_ptr<SettingsBlock> block = EverythingChanged();
};

void BM_SendChanges(benchmark::State& benchState) {
  for (auto _ : benchState) {
    Bench bench;
    bench.Measure(benchState, kSendChangesPausesMs,
                  [&] { return bench.sync.SendChanges(*bench.block); });
  }
}

void BM_FullDeviceSync(benchmark::State& benchState) {
  for (auto _ : benchState) {
    Bench bench;
    {  // Another computer first sends the whole configuration, in virtual time.
      test::VirtualClock virtualClock;
      ReportLink link(bench.binding.api(), virtualClock, bench.cancel);
      test::MemorySyncStore elsewhere;
      DeviceSync(link, elsewhere, [] { return 1; }, {}).SendChanges(*bench.block);
    }
    auto local = test::DefaultBlock();
    if (bench.sync.CheckStamp()) benchState.SkipWithError("in step");
    bench.Measure(benchState, kFullSyncPausesMs, [&] { return bench.sync.FullDeviceSync(*local); });
    ClearChangeArea(*bench.block);
    if (!test::SameBlock(*local, *bench.block)) benchState.SkipWithError("read back differs");
  }
}

BENCHMARK(BM_SendChanges)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullDeviceSync)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brelfx

BENCHMARK_MAIN();
