// The monitor's other features as its lifecycle and event dispatch call
// them: announcements, the programmable keys, the player thread, and the
// firmware check and the Talk link, which may be absent.
#pragma once

#include <cstdint>

namespace brelfx {

// Spoken announcements; each queued on its timer (601-607), held back during
// a countdown's final phase and a trophy sound.
class Announcements {
 public:
  virtual ~Announcements() = default;
  virtual void Announce(int timerId) = 0;
};

// Device events of the programmable keys (types 0x0D00 and 0x0E00).
class KeyEventSink {
 public:
  virtual ~KeyEventSink() = default;
  virtual void OnKeyEvent(std::uint16_t value) = 0;
  // The keyboard left or the monitor closes: no key it pressed stays down.
  virtual void ReleaseHeldKeys() = 0;
};

// A background thread started at window creation and ended at destruction.
class MonitorThread {
 public:
  virtual ~MonitorThread() = default;
  virtual bool Start() = 0;
  // False when it did not end within the time and was given up on.
  virtual bool Stop(int timeoutMs) = 0;
};

// Compares the keyboard's firmware with the packaged one right after the
// feature channel opened; true when it started the firmware upgrade program
// (the monitor then closes).
class FirmwareCheck {
 public:
  virtual ~FirmwareCheck() = default;
  virtual bool StartUpgradeIfNeeded() = 0;
};

// The Talk link as the lifecycle and the keyboard's events drive it.
class TalkEvents {
 public:
  virtual ~TalkEvents() = default;
  // Last step of start-up: the companion-device list kept in DeviceInfo.ini.
  virtual void Start() = 0;
  // Tells a known hub whether the keyboard is connected.
  virtual void SendDeviceStatus(bool connected) = 0;
  // A Talk key went down or up (event type 0xFF00, its value).
  virtual void OnTalkKey(std::uint16_t value) = 0;
  // Shutdown: the hub hears that the keyboard is gone, and nothing more.
  virtual void Stop() = 0;
};

}  // namespace brelfx
