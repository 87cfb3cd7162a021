// Read all and Write all of the largest configuration the files carry: five
// profiles whose 58 keys each hold a 500-event macro (about 1.5 MB of INI).
//   build/native/settings/settings_files_bench --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <cstring>

#include "settings/block_defaults.h"
#include "settings/settings_files.h"
#include "tests/support/fully_used_settings.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

void BM_ReadAll(benchmark::State& state) {
  test::TempFolder folder;
  SettingsFiles files(folder.path(), SystemFileSystem(), NoRegistry());
  auto written = test::FullyUsedBlock();
  if (!files.WriteAll(*written)) state.SkipWithError("Write all failed");
  auto block = std::make_unique<SettingsBlock>();
  std::memset(block.get(), 0, sizeof(SettingsBlock));
  for (auto _ : state) {
    ClearBlock(*block);
    files.ReadAll(*block);
    benchmark::DoNotOptimize(block->Profiles[4].MacroKeyInfo[57].Actions[499]);
  }
  if (std::memcmp(block.get(), written.get(), kChangeAreaOffset) != 0)
    state.SkipWithError("Read all did not reproduce the block");
}
BENCHMARK(BM_ReadAll)->Unit(benchmark::kMillisecond);

void BM_WriteAll(benchmark::State& state) {
  test::TempFolder folder;
  SettingsFiles files(folder.path(), SystemFileSystem(), NoRegistry());
  auto block = test::FullyUsedBlock();
  files.WriteAll(*block);  // the files exist, as they do after the first Apply
  for (auto _ : state) {
    if (!files.WriteAll(*block)) state.SkipWithError("Write all failed");
  }
}
BENCHMARK(BM_WriteAll)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brelfx

BENCHMARK_MAIN();
