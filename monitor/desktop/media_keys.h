// The media keys (event type 0x0B00) drive the player chosen in the current
// profile: Windows Media Player through the system's app commands, iTunes and
// VLC through key messages to their windows, Winamp through its menu
// commands. Everything runs on the GUI thread; the key sequences block it for
// 100 to 300 ms.
#pragma once

#include "monitor/monitor_features.h"
#include "platform/clock.h"
#include "platform/desktop_windows.h"
#include "platform/program_shell.h"
#include "platform/registry.h"
#include "platform/window_messenger.h"
#include "settings/settings_block.h"

namespace brelfx {

struct PlayerKey;

constexpr int kMediaOpenPlayer = 0x20;
constexpr int kMediaNextTrack = 0x21;
constexpr int kMediaPreviousTrack = 0x22;
constexpr int kMediaPlayPause = 0x23;
constexpr int kMediaStop = 0x24;

// Winamp's menu commands.
constexpr int kWinampPrevious = 40044;
constexpr int kWinampPlay = 40045;
constexpr int kWinampPause = 40046;
constexpr int kWinampStop = 40047;
constexpr int kWinampNext = 40048;

struct MediaKeyServices {
  WindowMessenger& messenger;
  DesktopWindows& desktop;
  ProgramShell& shell;
  Registry& registry;
  Clock& clock;
};

class MediaKeys final : public MediaKeySink {
 public:
  // `ownWindow` receives the app commands on their way to the system.
  MediaKeys(const SettingsBlock& settings, MediaKeyServices services, WindowId ownWindow)
      : settings_(settings), services_(services), ownWindow_(ownWindow) {}

  void OnMediaKey(int item, int state) override;

 private:
  void StartPlayer(int player);
  void StartWindowsMediaPlayer();
  void CommandWindowsMediaPlayer(int item);
  void CommandITunes(int item);
  void CommandVlc(int item);
  void CommandWinamp(int item);
  WindowId FindVlc();

  void SendKey(WindowId window, const PlayerKey& key, bool keyUp);
  void PostKey(WindowId window, const PlayerKey& key, bool keyUp);
  void PostKeyPress(WindowId window, const PlayerKey& key);

  const SettingsBlock& settings_;
  MediaKeyServices services_;
  WindowId ownWindow_;
  // Winamp has one key for play and pause: which of them the next press sends.
  int winampPlayToggle_ = 0;
};

}  // namespace brelfx
