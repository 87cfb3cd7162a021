// What other programs hand the monitor's Talk link: copy-data of any size,
// WM_TALK_STATUS and "WM_TALK_MSG" commands with any argument, Talk key
// events, the ambient-light request and its timers, and a hub window that
// vanishes at any moment. The input is a list of such steps. After each, the
// device list holds 0-100 entries with terminated names and distinct product
// ids, and a hub is known exactly while Talk is active.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>

#include "device/zendrel_api.h"
#include "monitor/talk/talk_link.h"
#include "monitor/tests/memory_device_list.h"
#include "monitor/timer_ids.h"
#include "settings/block_defaults.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/fake_talk_peer.h"
#include "tests/support/fake_window_timers.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

constexpr WindowId kHub = 0x7001;

// A keyboard that takes every report and reports every write done.
int TakeReport(unsigned char*, int) { return 1; }
int AnswerDone(unsigned char* buffer, int length) {
  if (length > 1) buffer[1] = 1;
  return 1;
}

struct NoTray final : TrayIcon {
  bool Add() override { return true; }
  bool Remove() override { return true; }
  bool SetTip(const std::string&) override { return true; }
};

class Input {
 public:
  explicit Input(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool empty() const { return at_ >= bytes_.size(); }
  std::uint8_t Byte() { return empty() ? 0 : bytes_[at_++]; }
  std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
  std::span<const std::uint8_t> Take(std::size_t n) {
    n = std::min(n, bytes_.size() - at_);
    const auto taken = bytes_.subspan(at_, n);
    at_ += n;
    return taken;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

void CheckList(const CompanionDeviceList& list) {
  if (list.Count < 0 || list.Count > kMaxCompanionDevices) std::abort();
  for (int i = 0; i < list.Count; ++i) {
    if (std::memchr(list.Devices[i].Name, 0, sizeof(list.Devices[i].Name)) == nullptr) std::abort();
    for (int j = 0; j < i; ++j)
      if (list.Devices[i].PID == list.Devices[j].PID) std::abort();
  }
}

}  // namespace
}  // namespace brelfx

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brelfx;
  static auto settings = [] {
    auto block = std::make_unique<SettingsBlock>();
    SetDefaults(*block, 0);
    // M1-M5 hold every kind of Talk function.
    const std::uint8_t codes[] = {0x8C, 0x8D, 0xF5, 0xF7, 0xB8};
    for (int key = 0; key < 5; ++key) {
      block->Profiles[block->CurrentProfile].MacroKeyInfo[key].FunctionCode = codes[key];
      block->Profiles[block->CurrentProfile].MacroKeyInfo[key].TargetPid = 0x1234;
    }
    return block;
  }();
  ZendrelApi api;
  api.SetFeature = &TakeReport;
  api.GetFeature = &AnswerDone;
  test::VirtualClock clock;
  std::atomic<int> cancel{0};
  ReportLink reports(api, clock, cancel);
  test::FakeDesktop desktop;
  test::FakeCopyDataSender hub;
  hub.windows = {kHub};
  test::FakeWindowTimers timers(clock);
  test::MemoryDeviceList file;
  test::Latin1Text ansi;
  NoTray icon;
  DeviceState deviceState{kDeviceConnected};
  TalkState state;
  TrayIconState tray(icon, deviceState, state);
  TalkLink talk(TalkServices{desktop, hub, timers, file, ansi},
                TalkMonitorParts{state, tray, reports, *settings, 0x100});
  talk.Start();

  Input input({data, size});
  while (!input.empty()) {
    switch (input.Byte() % 7) {
      case 0:
        talk.OnCopyData(input.Take(input.Byte()));
        break;
      case 1: {
        const unsigned command = input.Word();
        talk.OnCommand(command, input.Byte() < 128 ? input.Byte() : kHub);
        break;
      }
      case 2: {
        const unsigned command = input.Word();
        talk.OnTalkMessage(command, static_cast<std::int8_t>(input.Byte()));
        break;
      }
      case 3:
        talk.OnTalkKey(input.Word());
        break;
      case 4:
        talk.OnAmbientLightRequest();
        break;
      case 5:
        talk.OnTimer(input.Byte() % 2 ? kTimerAmbientLight : kTimerTalkHubWatch);
        break;
      default:
        if (!hub.windows.erase(kHub)) hub.windows.insert(kHub);
        break;
    }
    CheckList(talk.devices());
    CheckList(file.stored);
    if ((state.hubWindow.load() != 0) != (state.active.load() != 0)) std::abort();
  }
  return 0;
}
