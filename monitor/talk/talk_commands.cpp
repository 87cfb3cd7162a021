// Commands of a Talk hub (WM_TALK_STATUS, and some of them by "WM_TALK_MSG"):
// its announcement and goodbye, opening the configuration or ending the
// monitor, and the keyboard's Talk states (report 0x16, 255 leaves a state
// as it is).
#include "device/keyboard_reports.h"
#include "monitor/monitor_messages.h"
#include "monitor/talk/talk_link.h"
#include "monitor/talk/talk_payloads.h"
#include "monitor/timer_ids.h"

namespace brelfx {
namespace {

constexpr std::uint8_t kLeaveUnchanged = 255;

enum TalkCommand : unsigned int {
  kHubAnnounced = 6,
  kHubLeaves = 7,
  kOpenConfiguration = 8,
  kExit = 9,
  kUpdateTrayIcon = 10,
  kSetFirstState = 140,
  kToggleSecondState = 141,
  kSetFirstStateToo = 245,
  kToggleSecondStateToo = 246,
  kFirstUnchangedCommand = 247,  // 247-251 leave both states
  kLastUnchangedCommand = 251,
};

// 0 switches the first state on, 1 off; anything else leaves it.
std::uint8_t FirstStateFor(std::intptr_t argument) {
  if (argument == 0) return 1;
  if (argument == 1) return 0;
  return kLeaveUnchanged;
}

}  // namespace

void TalkLink::OnCommand(unsigned int command, std::intptr_t argument) {
  switch (command) {
    case kHubAnnounced:
      Announce(static_cast<WindowId>(argument));
      return;
    case kHubLeaves:
      ForgetHub();
      return;
    case kOpenConfiguration:
      services_.messenger.Post(monitor_.window, kWmCommand, ID_CONFIGURATION, 0);
      return;
    case kExit:
      services_.messenger.Post(monitor_.window, kWmCommand, ID_EXIT, 0);
      return;
    case kUpdateTrayIcon:
      monitor_.tray.Update();
      return;
    case kSetFirstState:
    case kSetFirstStateToo:
      SendTalkState(FirstStateFor(argument), kLeaveUnchanged);
      return;
    case kToggleSecondState:
    case kToggleSecondStateToo:
      if (argument != 0) return;
      monitor_.state.toggle = monitor_.state.toggle.load() == 0 ? 1 : 0;
      SendTalkState(kLeaveUnchanged, static_cast<std::uint8_t>(monitor_.state.toggle.load()));
      return;
    default:
      // These carry a third value the report has no byte for.
      if (command >= kFirstUnchangedCommand && command <= kLastUnchangedCommand)
        SendTalkState(kLeaveUnchanged, kLeaveUnchanged);
      return;
  }
}

void TalkLink::OnTalkMessage(unsigned int command, std::intptr_t argument) {
  switch (command) {
    case kHubAnnounced:
    case kHubLeaves:
    case kSetFirstState:
    case kToggleSecondState:
    case kSetFirstStateToo:
    case kToggleSecondStateToo:
      OnCommand(command, argument);
      return;
    default:
      return;
  }
}

// A second announcement keeps the first hub while its window exists; a
// window that does not exist is no hub.
void TalkLink::Announce(WindowId hub) {
  const WindowId known = monitor_.state.hubWindow.load();
  if (known != 0 && !services_.hub.Exists(known)) ForgetHub();
  if (monitor_.state.hubWindow.load() == 0) {
    if (!services_.hub.Exists(hub)) return;
    monitor_.state.hubWindow = hub;
    services_.timers.StartTimer(kTimerTalkHubWatch, kTalkHubWatchMs);
    SendDeviceStatus(connected_);
  }
  monitor_.state.active = 1;
  monitor_.tray.Update();
}

void TalkLink::SendTalkState(std::uint8_t first, std::uint8_t second) {
  brelfx::SendTalkState(monitor_.reports, first, second);
}

}  // namespace brelfx
