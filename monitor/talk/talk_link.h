// The Talk link with the software of the maker's other devices. A hub
// announces its window (command 6); from then on the monitor tells it whether
// the keyboard is connected and forwards the Talk keys, while its own tray
// icon is hidden. The hub and companion-device software send commands, the
// companion devices, and ambient-light effects for the keyboard to show.
//
// The hub is another program: every send to it is bounded, and a hub whose
// window is gone is forgotten (the tray icon comes back).
#pragma once

#include <cstdint>
#include <span>

#include "device/report_link.h"
#include "monitor/monitor_features.h"
#include "monitor/talk/ambient_light.h"
#include "monitor/talk/device_list_file.h"
#include "monitor/talk/talk_state.h"
#include "monitor/tray/tray_icon_state.h"
#include "platform/ansi_text.h"
#include "platform/copy_data_sender.h"
#include "platform/window_messenger.h"
#include "platform/window_timers.h"
#include "settings/settings_block.h"

namespace brelfx {

// How long a hub may take over one message before the monitor goes on.
constexpr int kTalkHubAnswerMs = 1000;
constexpr int kTalkHubWatchMs = 1000;

struct TalkServices {
  WindowMessenger& messenger;
  CopyDataSender& hub;
  WindowTimers& timers;
  DeviceListFile& deviceList;
  AnsiText& ansi;
};

// The monitor's side of the link, over what the monitor owns.
struct TalkMonitorParts {
  TalkState& state;
  TrayIconState& tray;
  ReportLink& reports;
  const SettingsBlock& settings;  // the local settings: the current profile's keys
  WindowId window;                // the monitor's own
};

class TalkLink final : public TalkEvents {
 public:
  TalkLink(TalkServices services, TalkMonitorParts monitor, int ambientLightMs = kAmbientLightMs);

  void Start() override;
  void SendDeviceStatus(bool connected) override;
  void OnTalkKey(std::uint16_t value) override;
  void Stop() override;

  // WM_TALK_STATUS: every command.
  void OnCommand(unsigned int command, std::intptr_t argument);
  // The registered "WM_TALK_MSG": the hub's announcement and goodbye and the
  // Talk state commands; the rest (11 is the monitors' own start-up
  // broadcast) are ignored.
  void OnTalkMessage(unsigned int command, std::intptr_t argument);
  // WM_COPYDATA: a companion-device record (64 bytes) or the ambient-light
  // effect to show next (20 bytes); anything else is ignored.
  void OnCopyData(std::span<const std::uint8_t> payload);
  // The registered "WM_TALK_AMBIENT_EVENT_LIGHT_FROM_TALK".
  void OnAmbientLightRequest() { ambient_.Show(); }
  // False for a timer that is not the link's.
  bool OnTimer(int id);

  const CompanionDeviceList& devices() const { return devices_; }

 private:
  void Announce(WindowId hub);
  void ForgetHub();
  void SendTalkState(std::uint8_t first, std::uint8_t second);
  void SendToHub(std::uintptr_t tag, std::span<const std::uint8_t> payload);
  CopyDataDelivery Deliver(WindowId hub, std::uintptr_t tag,
                           std::span<const std::uint8_t> payload);

  TalkServices services_;
  TalkMonitorParts monitor_;
  AmbientLight ambient_;
  CompanionDeviceList devices_{};
  bool connected_ = false;  // as last reported
};

}  // namespace brelfx
