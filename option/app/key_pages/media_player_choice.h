// The Media page's player button: which player the media keys drive
// (MediaOption 0-4), chosen from a small menu. The four named players carry
// the trademark sign after their names.
#pragma once

#include <optional>
#include <span>

namespace brelfx {

struct PlayerChoice {
  unsigned commandId;
  int mediaOption;
  const char* name;
  bool tmMark;
};

// In menu order: "Default" first.
std::span<const PlayerChoice> PlayerChoices();

// The menu item's MediaOption; nothing for other ids.
std::optional<int> MediaOptionForCommand(unsigned commandId);

// What the button shows for a stored MediaOption; a value outside 0-4 shows
// as "Default", which is what the monitor does with it.
const PlayerChoice& PlayerFor(int mediaOption);

}  // namespace brelfx
