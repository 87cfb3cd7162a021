// The edits the event list's context menu makes to a macro's events, and the
// rules of the delay and loop values the user types. Every edit either
// happens whole or not at all (false: refused, nothing changed).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/macro_library.h"

namespace brelfx {

using MacroEvents = std::vector<MacroEvent>;

inline constexpr std::uint8_t kEventPress = 1;
inline constexpr std::uint8_t kEventRelease = 2;
inline constexpr unsigned kMaxDelay = 65535;

MacroEvents EventsOfMacro(const MacroRecord& macro);
// Writes events and count; the slots behind the last event become zero.
void StoreEvents(const MacroEvents& events, MacroRecord& macro);

// "Insert Delay" on event `position`: the event before it gets 1 ms when it
// has no delay yet. Refused on the first event and when there already is one.
bool InsertDelayBefore(MacroEvents& events, int position);

enum class MouseAction { kDown, kUp, kClick };
// Inserts a press, a release, or both of mouse button `code` at `at`;
// refused when the macro would exceed 500 events.
bool InsertMouseEvent(MacroEvents& events, int at, std::uint8_t code, MouseAction action);

// The delay a typed text stands for: the number it starts with, held to
// 1..65535 (an empty or non-numeric text gives 1).
unsigned DelayOfText(std::string_view text);
bool SetDelay(MacroEvents& events, int position, unsigned delay);

// "Delete" on a delay row clears the delay; on an event row removes the event.
bool DeleteDelay(MacroEvents& events, int position);
bool DeleteEvent(MacroEvents& events, int position);

// The loop value: 1 with the switch off, else the field's number held to 1..255.
int LoopValue(bool loopSwitchOn, int fieldNumber);
int ClampLoopField(long long typed);

}  // namespace brelfx
