// The host side of synchronisation against the simulated keyboard: a plugged
// factory keyboard bound in-process, a virtual clock, worker cancel, an
// in-memory store and notifications that are counted.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>

#include "device/change_writes.h"
#include "device/device_sync.h"
#include "device/tests/memory_sync_store.h"
#include "device/tests/report_test_blocks.h"
#include "device/tests/travelling_settings.h"
#include "sim/capture.h"
#include "sim/factory_profiles.h"
#include "sim/sim_binding.h"
#include "sim/sim_keyboard.h"
#include "tests/support/virtual_clock.h"

namespace brelfx::test {

constexpr std::int64_t kSyncNow = 1'700'000'000;

struct SimSyncRig {
  SimSyncRig() {
    sim::ResetKeyboardState(*state);
    binding.api().Open_FeatureDevice();
  }

  SimSyncRig(const SimSyncRig&) = delete;
  SimSyncRig& operator=(const SimSyncRig&) = delete;

  // Reports the keyboard accepted from the host, read requests left out.
  std::vector<Report> Received() const {
    std::vector<Report> reports;
    for (const sim::SimCaptureEntry* entry : sim::CaptureEntries(state->Capture))
      if (entry->Kind == sim::kCaptureSet && entry->Ok && entry->Bytes[0] != kControlReport.id)
        reports.emplace_back(entry->Bytes, entry->Bytes + entry->Length);
    return reports;
  }

  // SetFeature calls the keyboard saw, delivered or not.
  int SetCalls() const {
    int calls = 0;
    for (const sim::SimCaptureEntry* entry : sim::CaptureEntries(state->Capture))
      calls += entry->Kind == sim::kCaptureSet;
    return calls;
  }

  // Another computer sends what the flags of `written` call for and stamps
  // the keyboard with a stamp of its own.
  bool SentElsewhere(const SettingsBlock& written) {
    MemorySyncStore otherStore;
    DeviceSync other(link, otherStore, [] { return kSyncNow - 3600; }, {});
    return other.SendChanges(written);
  }

  // Another computer sends every setting that travels, altered from the
  // defaults, and stamps the keyboard.
  bool AlteredElsewhere() {
    auto written = DefaultBlock();
    AlterEverythingThatTravels(*written);
    MarkEverythingChanged(*written);
    return SentElsewhere(*written);
  }

  SettingsStamp KeyboardStamp() const {
    SettingsStamp stamp;
    std::memcpy(stamp.Bytes, state->SettingsStamp, sizeof(stamp.Bytes));
    return stamp;
  }

  std::unique_ptr<sim::SimKeyboardState> state = std::make_unique<sim::SimKeyboardState>();
  VirtualClock clock;
  sim::SimKeyboard keyboard{*state, clock, {}, 1};
  sim::SimKeyboardBinding binding{keyboard};
  std::atomic<int> cancel{0};
  ReportLink link{binding.api(), clock, cancel};
  MemorySyncStore store;
  int publishes = 0;
  int reloads = 0;
  DeviceSync sync{link, store, [] { return kSyncNow; },
                  SyncNotifications{[this] { ++publishes; }, [this] { ++reloads; }, {}}};
  std::unique_ptr<SettingsBlock> block = DefaultBlock();
};

class SimSyncTest : public ::testing::Test, protected SimSyncRig {};

}  // namespace brelfx::test
