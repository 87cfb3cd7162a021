// The native binding: the six entry points reach the bound keyboard, guarded
// for callers on several threads.
#include "sim/sim_binding.h"

#include <thread>

#include "sim/tests/sim_fixture.h"

namespace brelfx::sim::test {
namespace {

using Binding = SimFixture;

TEST_F(Binding, EntryPointsReachTheBoundKeyboard) {
  keyboard.CloseFeatureDevice();
  ZendrelApi api;
  {
    SimKeyboardBinding binding(keyboard);
    api = binding.api();
    int window = 0;
    EXPECT_EQ(api.Open_DevMonitor(&window, 1325, 1326), 1);
    EXPECT_EQ(api.Open_FeatureDevice(), 1);
    unsigned char caps[6] = {0x13, 0x06, 0x01, 0x39, 0x53, 0x00};
    EXPECT_EQ(api.SetFeature(caps, 6), 1);
    unsigned char status[3] = {0x04, 0, 0};
    EXPECT_EQ(api.GetFeature(status, 3), 1);
    EXPECT_EQ(status[1], kStatusDone);
    keyboard.PressKey(0x0D00, 9, false);
    EXPECT_EQ(posted.back(),
              (PostedMessage{reinterpret_cast<std::uintptr_t>(&window), 1325, 0x0D00, 9}));
    EXPECT_EQ(api.Close_DevMonitor(), 1);
    EXPECT_EQ(api.Close_FeatureDevice(), 1);
  }
  EXPECT_EQ(state->Profiles[1].CapsLockCode, 0x39);
  EXPECT_EQ(api.Open_FeatureDevice(), 0);  // nothing bound any more
}

TEST_F(Binding, CallsFromTwoThreadsAreSerialised) {
  SimKeyboardBinding binding(keyboard);
  const ZendrelApi api = binding.api();
  auto hammer = [&api](unsigned char stampByte, int& failures) {
    for (int i = 0; i < 200; ++i) {
      unsigned char stamp[20] = {0x14, 20, stampByte};
      WriteChecksum(stamp, 20);
      unsigned char version[6] = {0x0F};
      if (!api.SetFeature(stamp, 20) || !api.GetFeature(version, 6)) ++failures;
    }
  };
  int failuresA = 0, failuresB = 0;
  std::thread a(hammer, 1, std::ref(failuresA));
  std::thread b(hammer, 2, std::ref(failuresB));
  {
    auto lock = SimKeyboardBinding::Lock();  // the test acting meanwhile
    keyboard.RaiseEvent(0x1000, 1);
  }
  a.join();
  b.join();
  EXPECT_EQ(failuresA + failuresB, 0);
  EXPECT_EQ(state->Capture.Total, 801u);
}

}  // namespace
}  // namespace brelfx::sim::test
