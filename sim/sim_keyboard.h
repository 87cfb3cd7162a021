// The simulated keyboard: the keyboard's side of the feature-report protocol
// over a SimKeyboardState, plus what its owner does with it (keys, profile and
// brightness buttons, live recording, plugging), with scriptable faults.
//
// A SimKeyboard is one client's (one process's) view: it owns that client's
// feature channel and event registration, while the state may be shared. It
// does no locking; callers serialise access (the native binding with a mutex,
// the stand-in library with a named mutex).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"
#include "sim/keyboard_state.h"

namespace brelfx::sim {

// Delivers a message the library posts: the listener's window (opaque), the
// message id it asked for, wParam and lParam.
using SimMessageSink = std::function<void(std::uint64_t window, std::uint32_t message,
                                          std::uint32_t wParam, std::uint32_t lParam)>;

// One recorded macro step: HID usage (or mouse button 0xF0-0xF4), 1 press /
// 2 release, delay in milliseconds.
struct SimAction {
  std::uint8_t Code;
  std::uint8_t Type;
  std::uint16_t Delay;
};

class SimKeyboard {
 public:
  // clientId tells this client's event registration apart (non-zero).
  SimKeyboard(SimKeyboardState& state, Clock& clock, SimMessageSink sink, std::uint32_t clientId);

  // The library's entry points, as this client calls them; 0 on failure.
  int OpenDevMonitor(std::uint64_t window, std::uint32_t eventMessage, std::uint32_t plugMessage);
  int CloseDevMonitor();
  int OpenFeatureDevice();
  int CloseFeatureDevice();
  int SetFeature(const std::uint8_t* buffer, int length);
  int GetFeature(std::uint8_t* buffer, int length);

  // The cable. Unplugging kills every open feature channel: calls fail until
  // the keyboard is back and the channel opened again. False when nothing changed.
  bool Plug();
  bool Unplug();

  // What the owner does on the keyboard; each posts its event to every
  // listener. False (nothing happens) while unplugged or for values out of range.
  bool RaiseEvent(std::uint16_t type, std::uint16_t value);
  bool PressKey(std::uint16_t type, std::uint8_t item, bool up);
  bool SwitchProfile(int number);    // 1-5: becomes active
  bool ChangeBrightness(int level);  // 0-5: the active profile's brightness
  // Live recording step 1-5 for key item keyItem. Step 3 stores actions as
  // the macro of key index keyItem-1 (0-35) in the active profile and gives
  // the key the macro function.
  bool LiveRecord(int step, int keyItem, const std::vector<SimAction>& actions);
  bool CountUsage(int counter, int amount);  // counter 1-19, amount 0-65535

  // Back to the factory state; listeners stay, a keyboard that was unplugged
  // arrives again.
  void Reset();

  SimKeyboardState& state() { return state_; }
  const SimKeyboardState& state() const { return state_; }
  SimFaults& faults() { return state_.Faults; }

 private:
  bool ServeFeatureCall();
  bool TakeReport(const std::uint8_t* buffer, int length);
  bool AnswerReport(std::uint8_t* buffer, int length);
  std::uint8_t StatusAnswer(std::uint8_t status);
  void TakeFirmwareReport(const std::uint8_t* buffer);
  void Post(bool plugMessage, std::uint32_t wParam, std::uint32_t lParam);

  SimKeyboardState& state_;
  Clock& clock_;
  SimMessageSink sink_;
  std::uint32_t clientId_;
  bool featureOpen_ = false;
  std::uint32_t openGeneration_ = 0;
};

}  // namespace brelfx::sim
