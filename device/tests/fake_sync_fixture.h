// Synchronisation over the scripted fake of the library: what was sent, in
// which order, and which notifications followed.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "device/device_sync.h"
#include "device/tests/memory_sync_store.h"
#include "device/tests/report_test_blocks.h"
#include "tests/support/fake_zendrel.h"
#include "tests/support/virtual_clock.h"

namespace brelfx::test {

constexpr std::int64_t kFakeNow = 1'700'000'000;

class FakeSyncTest : public ::testing::Test {
 protected:
  // Ids of the reports delivered to the library, read requests included.
  std::vector<std::uint8_t> SentIds() const {
    std::vector<std::uint8_t> ids;
    for (const auto& report : fake.sent()) ids.push_back(report[0]);
    return ids;
  }

  SyncNotifications Recorded() {
    return {[this] { events.push_back("publish"); }, [this] { events.push_back("reloaded"); },
            [this] { events.push_back("sound"); }};
  }

  FakeZendrel fake;
  ZendrelApi api = FakeZendrel::Api();
  VirtualClock clock;
  std::atomic<int> cancel{0};
  ReportLink link{api, clock, cancel};
  MemorySyncStore store;
  std::vector<std::string> events;  // notifications in the order given
  DeviceSync sync{link, store, [] { return kFakeNow; }, Recorded()};
  std::unique_ptr<SettingsBlock> block = DefaultBlock();
};

}  // namespace brelfx::test
