// The companion-device list file kept in memory, counting its writes.
#pragma once

#include "monitor/talk/device_list_file.h"

namespace brelfx::test {

struct MemoryDeviceList final : DeviceListFile {
  CompanionDeviceList Read() override { return stored; }
  bool Write(const CompanionDeviceList& list) override {
    stored = list;
    ++writes;
    return true;
  }
  CompanionDeviceList stored{};
  int writes = 0;
};

}  // namespace brelfx::test
