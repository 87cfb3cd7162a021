// A plugged factory keyboard on a virtual clock, its feature channel open, and
// helpers that speak the report protocol in raw bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "sim/factory_profiles.h"
#include "sim/report_layout.h"
#include "sim/sim_keyboard.h"
#include "tests/support/virtual_clock.h"

namespace brelfx::sim::test {

using Bytes = std::vector<std::uint8_t>;

struct PostedMessage {
  std::uint64_t window;
  std::uint32_t message, wParam, lParam;
  bool operator==(const PostedMessage&) const = default;
};

// A report of size bytes starting with head, zero-filled, with its checksum
// when checksummed.
inline Bytes MakeReport(Bytes head, int size, bool checksummed) {
  head.resize(size, 0);
  if (checksummed) WriteChecksum(head.data(), size);
  return head;
}

class SimFixture : public ::testing::Test {
 protected:
  SimFixture() {
    ResetKeyboardState(*state);
    keyboard.OpenFeatureDevice();
  }

  int Set(Bytes report) {
    return keyboard.SetFeature(report.data(), static_cast<int>(report.size()));
  }

  // GetFeature of size bytes of report id; empty when the call failed.
  Bytes Get(std::uint8_t id, int size) {
    Bytes buffer(size, 0);
    buffer[0] = id;
    return keyboard.GetFeature(buffer.data(), size) ? buffer : Bytes{};
  }

  int Status() {
    const Bytes status = Get(kControlReport, 3);
    return status.empty() ? -1 : status[1];
  }

  // Request (profile, selector), then read the report.
  Bytes Read(std::uint8_t id, int size, std::uint8_t profile, std::uint8_t selector) {
    Set({kControlReport, profile, selector});
    return Get(id, size);
  }

  std::unique_ptr<SimKeyboardState> state = std::make_unique<SimKeyboardState>();
  brelfx::test::VirtualClock clock;
  std::vector<PostedMessage> posted;
  SimKeyboard keyboard{
      *state, clock,
      [this](std::uint64_t w, std::uint32_t m, std::uint32_t wp, std::uint32_t lp) {
        posted.push_back({w, m, wp, lp});
      },
      7};
};

}  // namespace brelfx::sim::test
