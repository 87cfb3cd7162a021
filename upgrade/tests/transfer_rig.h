// The upgrade program's transfer against the simulated keyboard, bound
// in-process, on a virtual clock, with the reports the keyboard took.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "sim/capture.h"
#include "sim/factory_profiles.h"
#include "sim/sim_binding.h"
#include "sim/sim_keyboard.h"
#include "tests/support/virtual_clock.h"
#include "upgrade/firmware_transfer.h"

namespace brelfx::test {

using Bytes = std::vector<std::uint8_t>;

struct RecordedProgress final : TransferProgress {
  void BlockSent(int block) override { blocks.push_back(block); }
  std::vector<int> blocks;
};

// `size` bytes that differ from block to block and never sum to zero.
inline std::string ImageBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 13 + 7);
  return bytes;
}

struct TransferRig {
  TransferRig() {
    sim::ResetKeyboardState(*state);
    binding.api().Open_FeatureDevice();
  }
  TransferRig(const TransferRig&) = delete;
  TransferRig& operator=(const TransferRig&) = delete;

  bool Run(const std::string& bytes) {
    FirmwareImage image;
    EXPECT_EQ(MakeFirmwareImage(bytes, image), ImageLoad::kLoaded);
    return transfer.Run(image, progress);
  }

  // Transfer reports the keyboard was given (delivered or not), in order.
  std::vector<Bytes> Sent() const {
    std::vector<Bytes> reports;
    for (const sim::SimCaptureEntry* e : sim::CaptureEntries(state->Capture))
      if (e->Kind == sim::kCaptureSet) reports.emplace_back(e->Bytes, e->Bytes + e->Length);
    return reports;
  }
  // Library calls the keyboard saw: SetFeature and GetFeature.
  int Calls() const { return static_cast<int>(sim::CaptureEntries(state->Capture).size()); }

  std::unique_ptr<sim::SimKeyboardState> state = std::make_unique<sim::SimKeyboardState>();
  VirtualClock clock;
  sim::SimKeyboard keyboard{*state, clock, {}, 1};
  sim::SimKeyboardBinding binding{keyboard};
  std::atomic<int> stop{0};
  FirmwareTransfer transfer{binding.api(), clock, stop};
  RecordedProgress progress;
};

}  // namespace brelfx::test
