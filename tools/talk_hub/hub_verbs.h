// brelfx-talk-hub's verbs, and how it describes what the monitor sends it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "device/keyboard_state_reports.h"
#include "monitor/talk/talk_payloads.h"

namespace brelfx::talk_hub {

// device PID NAME [CPI0 … CPI4]: a companion device describes itself.
struct DeviceVerb {
  CompanionDeviceRecord record;
};
// command N [ARG]: WM_TALK_STATUS with the command and its argument.
struct CommandVerb {
  unsigned int command;
  long long argument;
};
// ambient MODE A B [B12 … B17]: the effect, then the request to show it.
struct AmbientVerb {
  AmbientLightRecord record;
};
struct BadVerb {
  std::string error;
};
using Verb = std::variant<DeviceVerb, CommandVerb, AmbientVerb, BadVerb>;

// Words of one verb, the verb's name first. Numbers are decimal or 0x-hex.
Verb ParseVerb(const std::vector<std::string>& words);

// One line for a copy-data message the monitor sent: its status, a Talk
// key's packet, or what else came.
std::string DescribeCopyData(std::uintptr_t tag, std::span<const std::uint8_t> payload);

extern const char kUsage[];

}  // namespace brelfx::talk_hub
