// The rules both timer dialogs and the key menus share: how long a timer
// may run, how its name is written, and how many timers the list holds.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "settings/timer_file.h"

namespace brelfx {

constexpr std::size_t kTimerNameLimit = 24;  // characters the name fields take
constexpr int kTimerMinSeconds = 15;
constexpr int kTimerMaxSeconds = 999;
// The key menus give each timer one command id, and the ids end after the
// 50th timer: a 51st could be listed but never assigned to a key.
constexpr std::size_t kMostTimers = 50;

// "Create Timer" opens only while the list has room.
bool CanCreateTimer(const TimerList& timers);

// Position of the timer with this name (trimmed, ignoring case), or -1.
int FindTimerNamed(const TimerList& timers, std::string_view name);

// The create dialog's OK: the trimmed name when it is not empty and no timer
// has it yet; nothing keeps the dialog open.
std::optional<std::string> AcceptNewTimerName(const TimerList& timers, std::string_view typed);

// A length the spin field allows.
int ClampTimerSeconds(int seconds);

// A timer record with the name cut to its field.
TimerRecord MakeTimer(std::string_view name, int seconds);

}  // namespace brelfx
