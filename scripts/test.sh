#!/usr/bin/env bash
# The one command that passes all tests: installs what is missing, then builds
# and tests natively, with ASan+UBSan, with TSan (threaded tests), for Windows
# under Wine (unit and end-to-end tests), and runs each fuzzer for a bounded time.
#
#   bash scripts/test.sh            everything
#   STAGES="native asan" bash scripts/test.sh   only some stages
#   FUZZ_SECONDS=10 bash scripts/test.sh        shorter fuzz runs
#
# With both the windows and the fuzz stage, the fuzz stage runs beside the
# Windows tests at the lowest priority: those mostly wait for Wine programs,
# windows and timers, and leave the cores idle that the fuzzers then use.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

stages=${STAGES:-"native asan tsan windows fuzz"}
fuzz_seconds=${FUZZ_SECONDS:-30}
failed=0
fuzz_ran=0

run_stage() {
  local name=$1
  echo "=== $name ==="
  local start=$SECONDS
  if "stage_$name"; then
    echo "=== $name: ok ($((SECONDS - start)) s) ==="
  else
    echo "=== $name: FAILED ($((SECONDS - start)) s) ==="
    failed=1
  fi
}

build_and_test() {
  local preset=$1
  cmake --preset "$preset" >/dev/null &&
    cmake --build --preset "$preset" &&
    ctest --preset "$preset"
}

stage_native() { build_and_test native; }
stage_asan() { build_and_test asan; }
# Only the tests labelled "threads" run under TSan; build just those.
stage_tsan() {
  cmake --preset tsan >/dev/null &&
    cmake --build --preset tsan --target thread_tests &&
    ctest --preset tsan
}

stage_windows() {
  local beside=0 status=0
  cmake --preset windows >/dev/null && cmake --build --preset windows || return 1
  if fuzz_beside_windows; then
    fuzz_ran=1
    # Its report follows the Windows tests' in the log, whole.
    (renice -n 19 -p $BASHPID >/dev/null; run_stage fuzz; exit $failed) >build/fuzz-stage.log 2>&1 &
    beside=$!
  fi
  bash scripts/wine-session.sh ctest --preset windows || status=1
  if [ "$beside" -ne 0 ]; then
    wait "$beside" || failed=1
    cat build/fuzz-stage.log
  fi
  return $status
}

fuzz_beside_windows() {
  [[ $fuzz_ran -eq 0 && " $stages " == *" fuzz "* ]]
}

# Each fuzzer runs for a bounded time; as many run side by side as there are
# cores, so adding a fuzzer costs CI a fraction of its run time.
fuzz_one() {
  local fuzzer=$1 corpus_root=build/fuzz/corpus name seeds
  name=$(basename "$fuzzer")
  mkdir -p "$corpus_root/$name"
  seeds=tests/fuzz-seeds/$name
  [ -d "$seeds" ] || seeds=
  echo "fuzz: $name for ${fuzz_seconds}s"
  if ! "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 \
      "$corpus_root/$name" $seeds >"build/fuzz/$name.log" 2>&1; then
    echo "fuzz: $name FAILED"
    tail -40 "build/fuzz/$name.log"
    return 1
  fi
}

stage_fuzz() {
  cmake --preset fuzz >/dev/null && cmake --build --preset fuzz --target fuzzers || return 1
  local slots ok=0 pids=() fuzzer pid
  slots=$(nproc)
  for fuzzer in build/fuzz/fuzzers/*; do
    [ -x "$fuzzer" ] || continue
    while [ "$(jobs -rp | wc -l)" -ge "$slots" ]; do sleep 1; done
    fuzz_one "$fuzzer" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || ok=1; done
  return $ok
}

for stage in $stages; do
  [ "$stage" = fuzz ] && [ $fuzz_ran -eq 1 ] && continue
  [ "$stage" = fuzz ] && fuzz_ran=1
  run_stage "$stage"
done

if [ $failed -ne 0 ]; then
  echo "scripts/test.sh: some stages failed"
  exit 1
fi
echo "scripts/test.sh: all stages passed"
