// Ids of the window timers of the monitor's main window.
#pragma once

namespace brelfx {

constexpr int kTimerShortcutRepeat = 102;   // 1000 ms, then every 100 ms
constexpr int kTimerForegroundWatch = 500;  // 2000 ms, periodic
constexpr int kTimerFirstSync = 502;        // 200 ms, one-shot: full device sync
constexpr int kTimerJobResults = 503;       // at once, one-shot: take finished worker jobs
constexpr int kTimerCountdown = 600;        // 1000 ms, periodic countdown step
constexpr int kTimerProfileSound = 601;     // 500 ms, one-shot announcements 601-607
constexpr int kTimerWindowsProfileSound = 602;
constexpr int kTimerRecordSelectKey = 603;
constexpr int kTimerRecordEnterMacro = 604;
constexpr int kTimerRecordSucceeded = 605;
constexpr int kTimerRecordAborted = 606;
constexpr int kTimerRecordKeyUnavailable = 607;
constexpr int kTimerTrophySound = 610;   // 4000 ms, one-shot: the trophy sound is over
constexpr int kTimerAmbientLight = 630;  // 120000 ms, one-shot: ambient light off
constexpr int kTimerTalkHubWatch = 631;  // 1000 ms while a Talk hub is known: is it still there?

constexpr int kShortcutFirstRepeatMs = 1000;
constexpr int kShortcutRepeatMs = 100;
constexpr int kCountdownStepMs = 1000;
constexpr int kAnnouncementDelayMs = 500;
constexpr int kTrophySoundMs = 4000;

}  // namespace brelfx
