// The monitor's other features as its lifecycle and event dispatch call
// them: announcements, the programmable keys, the media keys, the player
// thread, the usage counters, and the firmware check and the Talk link, which
// may be absent.
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

// Media keys (event type 0x0B00, items 0x20-0x27; state 0 key down).
class MediaKeySink {
 public:
  virtual ~MediaKeySink() = default;
  virtual void OnMediaKey(int item, int state) = 0;
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

// The keyboard's usage counters (event types 0xFA00-0xFAFF) and the
// statistics record the option application reset (WM_INFODATA_CHANGED).
class UsageCounters {
 public:
  virtual ~UsageCounters() = default;
  virtual void OnCounterEvent(std::uint16_t type, std::uint16_t amount) = 0;
  virtual void OnStatisticsChanged() = 0;
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
