#include "monitor/talk/talk_link.h"

#include "monitor/current_profile.h"
#include "monitor/talk/companion_devices.h"
#include "monitor/talk/talk_packet.h"
#include "monitor/talk/talk_payloads.h"
#include "monitor/timer_ids.h"
#include "platform/log.h"
#include "settings/shared_catalogue.h"

namespace brelfx {
namespace {

template <typename Record>
std::span<const std::uint8_t> BytesOf(const Record& record) {
  return {reinterpret_cast<const std::uint8_t*>(&record), sizeof(record)};
}

TalkDeviceStatus StatusOfKeyboard(WindowId monitorWindow) {
  TalkDeviceStatus status{};
  status.VendorId = kKeyboardVendorId;
  status.ProductId = kKeyboardProductId;
  status.MonitorWindow = static_cast<std::uint32_t>(monitorWindow);
  return status;
}

}  // namespace

TalkLink::TalkLink(TalkServices services, TalkMonitorParts monitor, int ambientLightMs)
    : services_(services),
      monitor_(monitor),
      ambient_(monitor.reports, services.timers, ambientLightMs) {}

void TalkLink::Start() {
  devices_ = services_.deviceList.Read();
}

void TalkLink::SendDeviceStatus(bool connected) {
  connected_ = connected;
  SendToHub(TalkTag(connected ? kTalkKeyboardConnected : kTalkKeyboardNotConnected),
            BytesOf(StatusOfKeyboard(monitor_.window)));
}

void TalkLink::OnTalkKey(std::uint16_t value) {
  const ProfileRecord* profile = CurrentProfile(monitor_.settings);
  if (profile == nullptr) return;
  if (const auto message = BuildTalkPacket(*profile, value))
    SendToHub(message->tag, BytesOf(message->packet));
}

void TalkLink::Stop() {
  services_.timers.StopTimer(kTimerTalkHubWatch);
  // The window is going: the hub is told, and then it is no concern of ours.
  const WindowId hub = monitor_.state.hubWindow.exchange(0);
  monitor_.state.active = 0;
  if (hub != 0)
    Deliver(hub, TalkTag(kTalkKeyboardNotConnected), BytesOf(StatusOfKeyboard(monitor_.window)));
}

void TalkLink::OnCopyData(std::span<const std::uint8_t> payload) {
  if (TakeCompanionDevice(devices_, payload, services_.ansi)) {
    if (!services_.deviceList.Write(devices_)) DebugLog("Talk: DeviceInfo.ini not written\n");
    const WindowId option = services_.messenger.FindByTitle(kOptionWindowTitle);
    if (option != 0) services_.messenger.Post(option, WM_DEVICE_LIST_CHANGED, 0, 0);
    return;
  }
  if (!ambient_.TakeRecord(payload))
    DebugLog("Talk: copy-data of %lu bytes ignored\n", static_cast<unsigned long>(payload.size()));
}

bool TalkLink::OnTimer(int id) {
  switch (id) {
    case kTimerAmbientLight:
      ambient_.End();
      return true;
    case kTimerTalkHubWatch:
      if (!services_.hub.Exists(monitor_.state.hubWindow.load())) ForgetHub();
      return true;
    default:
      return false;
  }
}

void TalkLink::ForgetHub() {
  services_.timers.StopTimer(kTimerTalkHubWatch);
  monitor_.state.hubWindow = 0;
  monitor_.state.active = 0;
  monitor_.tray.Update();
}

void TalkLink::SendToHub(std::uintptr_t tag, std::span<const std::uint8_t> payload) {
  const WindowId hub = monitor_.state.hubWindow.load();
  if (hub == 0) return;
  if (Deliver(hub, tag, payload) == CopyDataDelivery::kWindowGone) ForgetHub();
}

CopyDataDelivery TalkLink::Deliver(WindowId hub, std::uintptr_t tag,
                                   std::span<const std::uint8_t> payload) {
  const CopyDataDelivery delivery =
      services_.hub.Send(hub, kTalkCopyDataWParam, tag, payload, kTalkHubAnswerMs);
  if (delivery != CopyDataDelivery::kHandled)
    DebugLog("Talk: hub %#llx %s\n", static_cast<unsigned long long>(hub),
             delivery == CopyDataDelivery::kWindowGone ? "is gone" : "did not answer");
  return delivery;
}

}  // namespace brelfx
