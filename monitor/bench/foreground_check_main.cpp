// The foreground check natively, over the fake process list: 300 processes,
// the foreground one last in the snapshot.
#include <cstdlib>
#include <string>

#include "monitor/bench/foreground_check.h"
#include "tests/support/fake_foreground_process.h"

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 1001;
  brelfx::test::FakeForegroundProcess processes;
  for (std::uint32_t id = 1; id <= 300; ++id)
    processes.BringUp(id * 4, "process" + std::to_string(id) + ".exe");
  brelfx::RunForegroundCheckBench(processes, runs > 0 ? runs : 1001);
  return 0;
}
