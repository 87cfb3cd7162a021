// A SyncStore in memory: what synchronisation stored, and how often.
#pragma once

#include <cstring>
#include <memory>
#include <optional>

#include "device/sync_store.h"

namespace brelfx::test {

class MemorySyncStore final : public SyncStore {
 public:
  std::optional<SettingsStamp> ReadStamp() override { return stamp; }
  void WriteStamp(const SettingsStamp& value) override {
    stamp = value;
    ++stampWrites;
  }
  void WriteFWVersion(int version) override { fwVersion = version; }
  void SaveProfiles(const SettingsBlock& block) override {
    saved = std::make_unique<SettingsBlock>();
    std::memcpy(saved.get(), &block, sizeof(SettingsBlock));
    ++saves;
  }

  std::optional<SettingsStamp> stamp;
  int stampWrites = 0;
  int fwVersion = -1;
  std::unique_ptr<SettingsBlock> saved;  // the block as last saved
  int saves = 0;
};

}  // namespace brelfx::test
