// Synchronisation with the monitor's real settings files beside it.
#include <gtest/gtest.h>

#include "device/change_writes.h"
#include "device/settings_files_sync_store.h"
#include "device/tests/sim_sync_fixture.h"
#include "device/tests/travelling_settings.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "tests/support/temp_folder.h"

namespace brelfx {
namespace {

class SettingsFilesSyncTest : public test::SimSyncTest {
 protected:
  SettingsFilesSyncTest() { files.WriteAll(*block); }  // a first start: no stamp stored yet

  test::TempFolder folder;
  SettingsFiles files{folder.path(), SystemFileSystem(), NoRegistry()};
  SettingsFilesSyncStore filesStore{files};
  DeviceSync monitor{link, filesStore, [] { return test::kSyncNow; }, {}};
};

TEST_F(SettingsFilesSyncTest, AFirstConnectionReadsEverythingBackAndStoresAFreshStamp) {
  auto written = test::DefaultBlock();
  test::AlterEverythingThatTravels(*written);
  MarkEverythingChanged(*written);
  ASSERT_TRUE(SentElsewhere(*written));

  EXPECT_FALSE(monitor.CheckStamp());
  ASSERT_TRUE(monitor.FullDeviceSync(*block));
  EXPECT_EQ(files.ReadFWVersion(), sim::kFactoryFirmwareVersion);
  SettingsStamp stored{};
  ASSERT_TRUE(files.ReadSettingsStamp(stored));
  EXPECT_EQ(stored, KeyboardStamp());
  EXPECT_EQ(stored, MakeSettingsStamp(test::kSyncNow));

  auto reread = test::DefaultBlock();
  files.ReadAll(*reread);
  EXPECT_EQ(std::memcmp(reread->Profiles, written->Profiles, sizeof(written->Profiles)), 0);

  // The monitor's next start finds the keyboard in step.
  SettingsFilesSyncStore nextStore{files};
  DeviceSync next{link, nextStore, [] { return test::kSyncNow + 60; }, {}};
  EXPECT_TRUE(next.CheckStamp());
}

}  // namespace
}  // namespace brelfx
