#include "device/zendrel_binding.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "device/zendrel_calls.h"
#include "tests/support/fake_zendrel.h"

namespace brelfx {
namespace {

// A loader over the fake entry points that can leave some of them out and
// records every call, so the binding's order of calls can be checked.
class FakeLoader final : public LibraryLoader {
 public:
  explicit FakeLoader(test::FakeZendrel& fake) : fake_(fake) {}

  void* Load(const std::string& path) override {
    loadedPath = path;
    return loadable ? &library_ : nullptr;
  }
  LibraryEntry Find(void* library, const char* name) override {
    EXPECT_EQ(library, &library_);
    lookups.push_back(name);
    return missing.count(name) ? nullptr : test::FakeZendrel::Export(name);
  }
  void Free(void* library) override {
    EXPECT_EQ(library, &library_);
    freedAfter = fake_.calls();
    ++frees;
  }

  bool loadable = true;
  std::set<std::string> missing;
  std::string loadedPath;
  std::vector<std::string> lookups;
  std::vector<std::string> freedAfter;  // the library calls made before Free
  int frees = 0;

 private:
  test::FakeZendrel& fake_;
  int library_ = 0;
};

class ZendrelBindingTest : public ::testing::Test {
 protected:
  test::FakeZendrel fake;
  FakeLoader loader{fake};
};

TEST(ZendrelPath, IsTheProgramFolderWithTheLibraryName) {
  EXPECT_EQ(ZendrelPathBeside("C:\\Games\\Brel FX\\BrelFXMonitor.exe"),
            "C:\\Games\\Brel FX\\zendrel.dll");
  EXPECT_EQ(ZendrelPathBeside("C:\\Games\\Brel FX\\FWUpdate\\up.exe"),
            "C:\\Games\\Brel FX\\FWUpdate\\zendrel.dll");
  EXPECT_EQ(ZendrelPathBeside("monitor.exe"), "zendrel.dll");
}

TEST_F(ZendrelBindingTest, LooksTheSixEntryPointsUpInTableOrder) {
  ZendrelBinding binding(loader);
  EXPECT_EQ(binding.Bind("C:\\BrelFX\\BrelFXMonitor.exe"), 1);
  EXPECT_EQ(loader.loadedPath, "C:\\BrelFX\\zendrel.dll");
  EXPECT_EQ(loader.lookups,
            (std::vector<std::string>{"Open_DevMonitor", "Close_DevMonitor", "Open_FeatureDevice",
                                      "Close_FeatureDevice", "SetFeature", "GetFeature"}));
  EXPECT_EQ(OpenFeatureDevice(binding.api()), 1);
  EXPECT_EQ(fake.calls(), std::vector<std::string>{"Open_FeatureDevice"});
}

TEST_F(ZendrelBindingTest, BindsNothingWhenTheLibraryCannotBeLoaded) {
  loader.loadable = false;
  {
    ZendrelBinding binding(loader);
    EXPECT_EQ(binding.Bind("C:\\BrelFX\\BrelFXMonitor.exe"), 0);
    EXPECT_FALSE(binding.bound());
    EXPECT_TRUE(loader.lookups.empty());
    unsigned char report[3] = {0x04};
    EXPECT_EQ(SetFeature(binding.api(), report, 3), 0);
    EXPECT_EQ(OpenDevMonitor(binding.api(), nullptr, WM_DEVICE_EVENT, WM_DEVICE_PLUG), 0);
  }
  EXPECT_EQ(loader.frees, 0);
  EXPECT_TRUE(fake.calls().empty());
}

TEST_F(ZendrelBindingTest, EntryPointsTheLibraryLacksAreNeverCalled) {
  loader.missing = {"Close_DevMonitor", "SetFeature"};
  ZendrelBinding binding(loader);
  ASSERT_EQ(binding.Bind("BrelFXMonitor.exe"), 1);
  unsigned char report[3] = {0x05, 0x03, 0x01};
  EXPECT_EQ(SetFeature(binding.api(), report, 3), 0);
  EXPECT_EQ(GetFeature(binding.api(), report, 3), 0);  // bound, but no canned answer
  binding.Release();
  EXPECT_EQ(loader.freedAfter, (std::vector<std::string>{"GetFeature", "Close_FeatureDevice"}));
}

TEST_F(ZendrelBindingTest, ReleaseClosesMonitorAndDeviceBeforeFreeing) {
  {
    ZendrelBinding binding(loader);
    ASSERT_EQ(binding.Bind("BrelFXMonitor.exe"), 1);
    EXPECT_EQ(binding.Bind("BrelFXMonitor.exe"), 0);  // already bound: nothing loaded twice
    binding.Release();
    EXPECT_FALSE(binding.bound());
    EXPECT_EQ(binding.api().GetFeature, nullptr);
    binding.Release();
  }
  EXPECT_EQ(loader.frees, 1);
  EXPECT_EQ(loader.freedAfter,
            (std::vector<std::string>{"Close_DevMonitor", "Close_FeatureDevice"}));
}

}  // namespace
}  // namespace brelfx
