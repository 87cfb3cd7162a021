// Worker cancel set at every pause and status poll of Send changes and of Full
// device sync in turn: what was written, stamped and saved in each case.
//
// Each sweep first lays out, from the protocol, the 100 ms slices the
// uncancelled run waits and what it is doing in each; the uncancelled run must
// wait exactly those slices. Then one run per slice sets cancel in it.
#include <gtest/gtest.h>

#include "device/change_writes.h"
#include "device/tests/sim_sync_fixture.h"
#include "settings/block_defaults.h"

namespace brelfx {
namespace {

using test::SimSyncRig;

// Runs `run` on a fresh keyboard with worker cancel set during slice `cancelAt`
// (1-based; 0: never). Returns the SetFeature calls made up to the cancel.
template <typename Run>
int RunCancelledAt(SimSyncRig& rig, int cancelAt, Run run) {
  int setCallsAtCancel = -1;
  int slices = 0;
  rig.clock.onSleep = [&](std::int64_t) {
    if (++slices == cancelAt) {
      rig.cancel = 1;
      setCallsAtCancel = rig.SetCalls();
    }
  };
  run();
  rig.clock.onSleep = nullptr;
  return setCallsAtCancel;
}

// ---- Send changes ----

struct PlannedWrite {
  std::uint8_t id;
  int pollSlices;    // first status-poll pause
  int settleSlices;  // pause after the write
};

// The block: active profile, key enables of profile 1, a Zonix macro key of
// profile 2, a macro key of profile 4, lighting of profile 3, Caps Lock of 0.
void ChangeSome(SettingsBlock& block) {
  block.CurrentProfile = 2;
  block.UpdateFlags[kUpdateProfileSelect] = 1;
  block.UpdateFlags[kUpdateKeyEnableFirst + 1] = 1;
  test::GiveMacro(block, 2, 12, 20);
  block.KeyChanged[2][12] = 1;
  test::GiveMacro(block, 4, 3, 2);
  block.KeyChanged[4][3] = 1;
  block.UpdateFlags[kUpdateIlluminationFirst + 3] = 1;
  block.KeyChanged[0][kKeyCapsLk] = 1;
}

const PlannedWrite kSendChangesWrites[] = {
    {0x05, 1, 2}, {0x07, 5, 2}, {0x09, 5, 2}, {0x0D, 2, 2}, {0x10, 1, 1},
    {0x13, 1, 1}, {0x0E, 5, 0}, {0x0E, 5, 0}, {0x14, 2, 0},
};

TEST(CancelSweep, SendChanges) {
  std::vector<int> sliceWrite;  // slice → index of the write it belongs to
  for (int w = 0; w < static_cast<int>(std::size(kSendChangesWrites)); ++w)
    sliceWrite.insert(sliceWrite.end(),
                      kSendChangesWrites[w].pollSlices + kSendChangesWrites[w].settleSlices, w);

  std::vector<Report> reference;
  {
    auto rig = std::make_unique<SimSyncRig>();
    ChangeSome(*rig->block);
    ASSERT_TRUE(rig->sync.SendChanges(*rig->block));
    ASSERT_EQ(rig->clock.sleepCount(), static_cast<int>(sliceWrite.size()));
    reference = rig->Received();
    ASSERT_EQ(reference.size(), std::size(kSendChangesWrites));
    for (std::size_t w = 0; w < reference.size(); ++w)
      EXPECT_EQ(reference[w][0], kSendChangesWrites[w].id) << w;
  }

  for (int slice = 1; slice <= static_cast<int>(sliceWrite.size()); ++slice) {
    SCOPED_TRACE("cancel in slice " + std::to_string(slice));
    auto rig = std::make_unique<SimSyncRig>();
    ChangeSome(*rig->block);
    bool result = true;
    const int setCalls =
        RunCancelledAt(*rig, slice, [&] { result = rig->sync.SendChanges(*rig->block); });

    const int write = sliceWrite[slice - 1];
    EXPECT_EQ(rig->SetCalls(), setCalls);  // nothing written after the cancel
    const std::vector<Report> received = rig->Received();
    EXPECT_EQ(received, std::vector<Report>(reference.begin(), reference.begin() + write + 1));
    const bool inStampWrite = kSendChangesWrites[write].id == kStampReport.id;
    // Cancel stops the sequence with failure and no stamp, unless it came
    // while the stamp itself was being confirmed.
    EXPECT_EQ(result, inStampWrite);
    EXPECT_EQ(rig->store.stampWrites, inStampWrite ? 1 : 0);
    if (inStampWrite) {
      EXPECT_EQ(rig->store.stamp, rig->KeyboardStamp());
    }
  }
}

// ---- Full device sync ----

enum class SyncPhase { Head, ProfileReports, Macro, ProfilePause, Stamp };

// Macros on the keyboard: two in profile 1, one in profile 3.
void MacrosElsewhere(SettingsBlock& block) {
  test::GiveMacro(block, 1, 0, 3);
  test::GiveMacro(block, 1, 17, 500);
  test::GiveMacro(block, 3, 35, 1);
  MarkEverythingChanged(block);
}
constexpr int kMacrosInProfile[kProfileCount] = {0, 2, 0, 1, 0};

std::vector<SyncPhase> FullSyncSlices() {
  std::vector<SyncPhase> slices(2, SyncPhase::Head);  // version, profile select
  slices.insert(slices.end(), 8 * kProfileCount * 2, SyncPhase::ProfileReports);
  for (int macros : kMacrosInProfile) {
    slices.insert(slices.end(), 2 * macros, SyncPhase::Macro);  // request poll, pause
    slices.push_back(SyncPhase::ProfilePause);
  }
  slices.insert(slices.end(), 2, SyncPhase::Stamp);
  return slices;
}

TEST(CancelSweep, FullDeviceSync) {
  const std::vector<SyncPhase> phases = FullSyncSlices();
  auto prepare = [](SimSyncRig& rig) {
    auto written = test::DefaultBlock();
    MacrosElsewhere(*written);
    ASSERT_TRUE(rig.SentElsewhere(*written));
    rig.block->KeyChanged[0][0] = 1;
    rig.block->UpdateFlags[15] = 1;
  };
  {
    auto rig = std::make_unique<SimSyncRig>();
    prepare(*rig);
    const int before = rig->clock.sleepCount();
    ASSERT_TRUE(rig->sync.FullDeviceSync(*rig->block));
    ASSERT_EQ(rig->clock.sleepCount() - before, static_cast<int>(phases.size()));
  }

  for (int slice = 1; slice <= static_cast<int>(phases.size()); ++slice) {
    SCOPED_TRACE("cancel in slice " + std::to_string(slice));
    auto rig = std::make_unique<SimSyncRig>();
    prepare(*rig);
    const SettingsStamp otherStamp = rig->KeyboardStamp();
    bool result = true;
    const int setCalls =
        RunCancelledAt(*rig, slice, [&] { result = rig->sync.FullDeviceSync(*rig->block); });

    const SyncPhase phase = phases[slice - 1];
    const bool saves = phase == SyncPhase::ProfilePause || phase == SyncPhase::Stamp;
    const bool clears = phase != SyncPhase::Head && phase != SyncPhase::ProfileReports;
    EXPECT_EQ(rig->SetCalls(), setCalls);  // nothing written after the cancel
    EXPECT_EQ(result, saves);
    EXPECT_EQ(rig->store.saves, saves ? 1 : 0);
    EXPECT_EQ(rig->publishes, saves ? 1 : 0);
    EXPECT_EQ(rig->reloads, saves ? 1 : 0);
    EXPECT_EQ(rig->block->KeyChanged[0][0] == 0 && rig->block->UpdateFlags[15] == 0, clears);
    if (phase == SyncPhase::Stamp) {
      EXPECT_EQ(rig->store.stampWrites, 1);
      EXPECT_EQ(rig->store.stamp, rig->KeyboardStamp());
    } else {
      EXPECT_EQ(rig->store.stampWrites, 0);
      EXPECT_EQ(rig->KeyboardStamp(), otherStamp);
    }
  }
}

}  // namespace
}  // namespace brelfx
