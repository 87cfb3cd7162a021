// Not a test: the wall time of a 200-block transfer against a keyboard that
// answers every poll at once, divided by the pauses the protocol mandates for
// it (about 43 s). Run by hand: build/native/upgrade/upgrade-transfer-bench.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "sim/factory_profiles.h"
#include "sim/sim_binding.h"
#include "sim/sim_keyboard.h"
#include "upgrade/firmware_transfer.h"

namespace {

struct NoProgress final : brelfx::TransferProgress {
  void BlockSent(int) override {}
};

}  // namespace

int main() {
  using namespace brelfx;
  auto state = std::make_unique<sim::SimKeyboardState>();
  sim::ResetKeyboardState(*state);
  sim::SimKeyboard keyboard(*state, SystemClock(), {}, 1);
  sim::SimKeyboardBinding binding(keyboard);
  binding.api().Open_FeatureDevice();

  FirmwareImage image;
  MakeFirmwareImage(std::string(kMaxFirmwareImageSize, '\x5A'), image);
  const int commands = 3 + 2 * image.blockCount() + 1;
  const double mandatedMs = 3 * 500 + 2 * 500 + commands * 100;

  std::atomic<int> stop{0};
  FirmwareTransfer transfer(binding.api(), SystemClock(), stop);
  NoProgress progress;
  const auto start = std::chrono::steady_clock::now();
  const bool ok = transfer.Run(image, progress);
  const double wallMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d blocks %s: wall %.1f ms, mandated pauses %.0f ms, ratio %.5f\n",
              image.blockCount(), ok ? "sent" : "FAILED", wallMs, mandatedMs, wallMs / mandatedMs);
  return ok ? 0 : 1;
}
