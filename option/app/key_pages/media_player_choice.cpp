#include "option/app/key_pages/media_player_choice.h"

namespace brelfx {
namespace {

constexpr PlayerChoice kChoices[] = {
    {104, 4, "Default", false},
    {100, 0, "Windows Media player", true},
    {101, 1, "iTunes", true},
    {102, 2, "VLC Media Player", true},
    {103, 3, "Winamp", true},
};

}  // namespace

std::span<const PlayerChoice> PlayerChoices() { return kChoices; }

std::optional<int> MediaOptionForCommand(unsigned commandId) {
  for (const PlayerChoice& choice : kChoices)
    if (choice.commandId == commandId) return choice.mediaOption;
  return std::nullopt;
}

const PlayerChoice& PlayerFor(int mediaOption) {
  for (const PlayerChoice& choice : kChoices)
    if (choice.mediaOption == mediaOption) return choice;
  return kChoices[0];
}

}  // namespace brelfx
