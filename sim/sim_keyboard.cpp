#include "sim/sim_keyboard.h"

#include <cstring>
#include <utility>

#include "sim/capture.h"
#include "sim/factory_profiles.h"
#include "sim/firmware_loader.h"
#include "sim/report_layout.h"
#include "sim/settings_reports.h"

namespace brelfx::sim {
namespace {

// Counts a scripted fault down; true while it still applies.
bool ConsumeFault(std::int32_t& remaining) {
  if (remaining <= 0) return false;
  --remaining;
  return true;
}

}  // namespace

SimKeyboard::SimKeyboard(SimKeyboardState& state, Clock& clock, SimMessageSink sink,
                         std::uint32_t clientId)
    : state_(state), clock_(clock), sink_(std::move(sink)), clientId_(clientId) {}

// Listeners are kept in the order they registered. Processes that ended
// without closing leave their slot behind, so when every slot is taken the
// oldest listener gives way.
int SimKeyboard::OpenDevMonitor(std::uint64_t window, std::uint32_t eventMessage,
                                std::uint32_t plugMessage) {
  CloseDevMonitor();
  SimMonitorSlot* slots = state_.Monitors;
  int used = 0;
  while (used < kMonitorSlots && slots[used].ClientId != 0) ++used;
  if (used == kMonitorSlots) {
    std::memmove(slots, slots + 1, sizeof(SimMonitorSlot) * (kMonitorSlots - 1));
    used = kMonitorSlots - 1;
  }
  slots[used] = SimMonitorSlot{window, clientId_, eventMessage, plugMessage, 0};
  return 1;
}

int SimKeyboard::CloseDevMonitor() {
  SimMonitorSlot* slots = state_.Monitors;
  int kept = 0;
  for (int i = 0; i < kMonitorSlots; ++i)
    if (slots[i].ClientId != 0 && slots[i].ClientId != clientId_) slots[kept++] = slots[i];
  for (int i = kept; i < kMonitorSlots; ++i) slots[i] = SimMonitorSlot{};
  return 1;
}

int SimKeyboard::OpenFeatureDevice() {
  if (!state_.Plugged) return 0;
  featureOpen_ = true;
  openGeneration_ = state_.PlugGeneration;
  return 1;
}

int SimKeyboard::CloseFeatureDevice() {
  featureOpen_ = false;
  return 1;
}

int SimKeyboard::SetFeature(const std::uint8_t* buffer, int length) {
  if (!buffer || length <= 0) return 0;
  const bool ok = TakeReport(buffer, length);
  RecordReport(state_.Capture, clock_.NowMs(), kCaptureSet, ok, buffer, length);
  return ok;
}

int SimKeyboard::GetFeature(std::uint8_t* buffer, int length) {
  if (!buffer || length <= 0) return 0;
  const bool ok = AnswerReport(buffer, length);
  RecordReport(state_.Capture, clock_.NowMs(), kCaptureGet, ok, buffer, ok ? length : 1);
  return ok;
}

// Every feature call counts towards a scripted unplug; a call succeeds only
// on a channel opened since the keyboard last arrived.
bool SimKeyboard::ServeFeatureCall() {
  std::int32_t& unplugAfter = state_.Faults.UnplugAfterCalls;
  if (unplugAfter >= 0 && unplugAfter-- == 0) Unplug();
  return featureOpen_ && state_.Plugged && openGeneration_ == state_.PlugGeneration;
}

// A report the keyboard does not know, cannot take or whose size is wrong is
// not delivered at all; a delivered one that the keyboard refuses shows up as
// a failure in the next status.
bool SimKeyboard::TakeReport(const std::uint8_t* buffer, int length) {
  if (!ServeFeatureCall() || ConsumeFault(state_.Faults.FailSetCount)) return false;
  const ReportFormat* format = FindReportFormat(buffer[0]);
  if (!format || !format->settable || length != format->size) return false;
  if (format->id == kFirmwareTransferReport)
    TakeFirmwareReport(buffer);
  else
    state_.Status = ReceiveSettingsReport(state_, *format, buffer);
  return true;
}

// Once a whole image is in, the keyboard restarts into it and reports its
// version from then on.
void SimKeyboard::TakeFirmwareReport(const std::uint8_t* buffer) {
  SimFirmwareTransfer& loader = state_.Firmware;
  const std::uint32_t completed = loader.CompletedUpdates;
  ReceiveFirmwareReport(loader, buffer, state_.Faults.RefusedBlock - 1);
  if (loader.CompletedUpdates != completed)
    state_.FirmwareVersion = FirmwareVersionOfImage(loader, state_.FirmwareVersion);
}

bool SimKeyboard::AnswerReport(std::uint8_t* buffer, int length) {
  if (!ServeFeatureCall() || ConsumeFault(state_.Faults.FailGetCount)) return false;
  const ReportFormat* format = FindReportFormat(buffer[0]);
  if (!format || !format->gettable || length != format->size) return false;
  if (format->id == kUpdateStatusReport) {
    std::memset(buffer, 0, length);
    buffer[0] = kUpdateStatusReport;
    buffer[1] = StatusAnswer(state_.Firmware.Status);
    return true;
  }
  if (!SendSettingsReport(state_, *format, buffer)) return false;
  if (format->id == kControlReport) buffer[1] = StatusAnswer(buffer[1]);
  if (format->checksummed && ConsumeFault(state_.Faults.CorruptCount))
    WriteU16(buffer + length - 2, static_cast<std::uint16_t>(ReadU16(buffer + length - 2) + 1));
  return true;
}

// Scripted busy answers come first, then scripted status values, then the
// keyboard's own status.
std::uint8_t SimKeyboard::StatusAnswer(std::uint8_t status) {
  if (ConsumeFault(state_.Faults.BusyCount)) return kStatusBusy;
  if (ConsumeFault(state_.Faults.StatusCount)) return state_.Faults.StatusValue;
  return status;
}

void SimKeyboard::Post(bool plugMessage, std::uint32_t wParam, std::uint32_t lParam) {
  if (!sink_) return;
  for (const SimMonitorSlot& s : state_.Monitors)
    if (s.ClientId != 0)
      sink_(s.Window, plugMessage ? s.PlugMessage : s.EventMessage, wParam, lParam);
}

bool SimKeyboard::Plug() {
  if (state_.Plugged) return false;
  state_.Plugged = 1;
  RecordPlug(state_.Capture, clock_.NowMs(), true);
  Post(true, 1, 0);
  return true;
}

bool SimKeyboard::Unplug() {
  if (!state_.Plugged) return false;
  state_.Plugged = 0;
  ++state_.PlugGeneration;
  state_.SelectionValid = 0;
  state_.Firmware.Stage = kLoaderIdle;  // the loader loses power with the keyboard
  RecordPlug(state_.Capture, clock_.NowMs(), false);
  Post(true, 0, 0);
  return true;
}

void SimKeyboard::Reset() {
  SimMonitorSlot listeners[kMonitorSlots];
  std::memcpy(listeners, state_.Monitors, sizeof(listeners));
  const std::uint32_t generation = state_.PlugGeneration;
  const bool wasPlugged = state_.Plugged;
  ResetKeyboardState(state_);
  std::memcpy(state_.Monitors, listeners, sizeof(listeners));
  state_.PlugGeneration = generation;
  if (!wasPlugged) {
    state_.Plugged = 0;
    Plug();
  }
}

}  // namespace brelfx::sim
