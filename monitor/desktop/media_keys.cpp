#include "monitor/desktop/media_keys.h"

#include <string>

#include "monitor/current_profile.h"
#include "monitor/desktop/player_key_messages.h"
#include "monitor/desktop/player_paths.h"
#include "monitor/monitor_messages.h"

namespace brelfx {
namespace {

constexpr unsigned int kWmAppCommand = 0x0319;
constexpr int kAppCommandNextTrack = 11;
constexpr int kAppCommandPreviousTrack = 12;
constexpr int kAppCommandStop = 13;
constexpr int kAppCommandPlayPause = 14;

// The players read key messages from their queue as if typed: a key up
// sooner than this after its key down is missed.
constexpr int kKeyGapMs = 100;

constexpr char kWmpWindowTitle[] = "Windows Media Player";
constexpr char kITunesClass[] = "iTunes";
constexpr char kITunesTitle[] = "iTunes";
constexpr char kVlcClass[] = "QWidget";
constexpr char kWinampClass[] = "Winamp v1.x";

}  // namespace

void MediaKeys::OnMediaKey(int item, int state) {
  if (state != 0) return;
  const ProfileRecord* profile = CurrentProfile(settings_);
  if (profile == nullptr) return;
  const int player = profile->MediaOption;
  if (player < 0 || player > 3) return;
  if (item == kMediaOpenPlayer) {
    StartPlayer(player);
    return;
  }
  if (item < kMediaNextTrack || item > kMediaStop) return;
  switch (static_cast<MediaPlayer>(player)) {
    case MediaPlayer::kWindowsMediaPlayer:
      return CommandWindowsMediaPlayer(item);
    case MediaPlayer::kITunes:
      return CommandITunes(item);
    case MediaPlayer::kVlc:
      return CommandVlc(item);
    case MediaPlayer::kWinamp:
      return CommandWinamp(item);
  }
}

void MediaKeys::StartPlayer(int player) {
  const MediaPlayer which = static_cast<MediaPlayer>(player);
  if (which == MediaPlayer::kWindowsMediaPlayer) return StartWindowsMediaPlayer();
  const std::string path = InstalledPlayerPath(which, services_.registry);
  if (!path.empty()) services_.shell.Run(path);
}

void MediaKeys::StartWindowsMediaPlayer() {
  const WindowId running = services_.messenger.FindByTitle(kWmpWindowTitle);
  if (running != 0) {
    services_.desktop.BringToForeground(running);
    return;
  }
  const std::string path =
      InstalledPlayerPath(MediaPlayer::kWindowsMediaPlayer, services_.registry);
  if (!path.empty()) services_.shell.Run(path);
}

// The monitor's window passes WM_APPCOMMAND on to default processing, which
// hands it to the system and so to the player.
void MediaKeys::CommandWindowsMediaPlayer(int item) {
  int command = kAppCommandStop;
  if (item == kMediaNextTrack) command = kAppCommandNextTrack;
  if (item == kMediaPreviousTrack) command = kAppCommandPreviousTrack;
  if (item == kMediaPlayPause) command = kAppCommandPlayPause;
  services_.messenger.Post(ownWindow_, kWmAppCommand, ownWindow_,
                           static_cast<std::intptr_t>(command) << 16);
}

void MediaKeys::CommandITunes(int item) {
  const WindowId window = services_.desktop.FindByClass(kITunesClass, kITunesTitle);
  if (window == 0) return;
  if (item == kMediaPlayPause || item == kMediaStop) return PostKeyPress(window, kSpaceKey);
  const PlayerKey& arrow = item == kMediaNextTrack ? kRightKey : kLeftKey;
  SendKey(window, kControlKey, false);
  services_.clock.SleepMs(kKeyGapMs);
  SendKey(window, arrow, false);
  services_.clock.SleepMs(kKeyGapMs);
  SendKey(window, arrow, true);
  services_.clock.SleepMs(kKeyGapMs);
  SendKey(window, kControlKey, true);
}

void MediaKeys::CommandVlc(int item) {
  const WindowId window = FindVlc();
  if (window == 0) return;
  services_.desktop.BringToForeground(window);
  const PlayerKey* key = &kSKey;
  if (item == kMediaNextTrack) key = &kNKey;
  if (item == kMediaPreviousTrack) key = &kPKey;
  if (item == kMediaPlayPause) key = &kSpaceKey;
  PostKeyPress(window, *key);
}

// VLC's main window has the toolkit's generic class; among the windows from
// the first of that class onwards, it is the one with "VLC" in its title.
WindowId MediaKeys::FindVlc() {
  DesktopWindows& desktop = services_.desktop;
  for (WindowId window = desktop.FindByClass(kVlcClass, nullptr); window != 0;
       window = desktop.Next(window)) {
    if (desktop.ClassName(window) == kVlcClass &&
        desktop.Title(window).find("VLC") != std::string::npos) {
      return window;
    }
  }
  return 0;
}

void MediaKeys::CommandWinamp(int item) {
  const WindowId window = services_.desktop.FindByClass(kWinampClass, nullptr);
  if (window == 0) return;
  int command = kWinampStop;
  if (item == kMediaNextTrack) command = kWinampNext;
  if (item == kMediaPreviousTrack) command = kWinampPrevious;
  if (item == kMediaPlayPause) {
    command = winampPlayToggle_ == 0 ? kWinampPlay : kWinampPause;
    winampPlayToggle_ = winampPlayToggle_ == 0 ? 1 : 0;
  }
  services_.messenger.Send(window, kWmCommand, static_cast<std::uintptr_t>(command), 0);
}

void MediaKeys::SendKey(WindowId window, const PlayerKey& key, bool keyUp) {
  services_.messenger.Send(window, keyUp ? kWmKeyUp : kWmKeyDown, key.virtualKey,
                           static_cast<std::intptr_t>(KeyMessageLParam(key, keyUp)));
}

void MediaKeys::PostKey(WindowId window, const PlayerKey& key, bool keyUp) {
  services_.messenger.Post(window, keyUp ? kWmKeyUp : kWmKeyDown, key.virtualKey,
                           static_cast<std::intptr_t>(KeyMessageLParam(key, keyUp)));
}

void MediaKeys::PostKeyPress(WindowId window, const PlayerKey& key) {
  PostKey(window, key, false);
  services_.clock.SleepMs(kKeyGapMs);
  PostKey(window, key, true);
}

}  // namespace brelfx
