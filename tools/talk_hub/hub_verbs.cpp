#include "tools/talk_hub/hub_verbs.h"

#include <cstdio>
#include <cstring>

#include "platform/number_text.h"

namespace brelfx::talk_hub {
namespace {

// The numbers words[first…] into out; false names the bad word in error.
bool ParseNumbers(const std::vector<std::string>& words, std::size_t first, long long min,
                  long long max, std::vector<long long>& out, std::string& error) {
  for (std::size_t i = first; i < words.size(); ++i) {
    long long value = 0;
    if (!ParseNumber(words[i], min, max, value)) {
      error = "not a number in range: \"" + words[i] + "\"";
      return false;
    }
    out.push_back(value);
  }
  return true;
}

// Latin letters and digits travel as they are; the name is UTF-16 on the wire.
void SetName(CompanionDeviceRecord& record, const std::string& name) {
  char16_t wide[20] = {};
  for (std::size_t i = 0; i < name.size() && i < 20; ++i)
    wide[i] = static_cast<unsigned char>(name[i]);
  std::memcpy(record.Name, wide, sizeof(wide));
}

Verb ParseDevice(const std::vector<std::string>& words) {
  if (words.size() != 3 && words.size() != 8) return BadVerb{"device PID NAME [CPI0 … CPI4]"};
  std::vector<long long> pid, cpi;
  std::string error;
  if (!ParseNumbers({words[0], words[1]}, 1, 0, 0xFFFF, pid, error) ||
      !ParseNumbers(words, 3, INT32_MIN, INT32_MAX, cpi, error))
    return BadVerb{error};
  DeviceVerb verb{};
  verb.record.VendorId = kKeyboardVendorId;
  verb.record.ProductId = static_cast<std::uint16_t>(pid[0]);
  SetName(verb.record, words[2]);
  std::int32_t levels[5] = {};
  for (std::size_t i = 0; i < cpi.size(); ++i) levels[i] = static_cast<std::int32_t>(cpi[i]);
  std::memcpy(verb.record.Cpi, levels, sizeof(levels));
  return verb;
}

Verb ParseCommand(const std::vector<std::string>& words) {
  if (words.size() != 2 && words.size() != 3) return BadVerb{"command N [ARG]"};
  std::vector<long long> numbers;
  std::string error;
  if (!ParseNumbers(words, 1, INT32_MIN, UINT32_MAX, numbers, error)) return BadVerb{error};
  return CommandVerb{static_cast<unsigned int>(numbers[0]), numbers.size() > 1 ? numbers[1] : 0};
}

Verb ParseAmbient(const std::vector<std::string>& words) {
  if (words.size() < 4 || words.size() > 10) return BadVerb{"ambient MODE A B [B12 … B17]"};
  std::vector<long long> values, effect;
  std::string error;
  if (!ParseNumbers({words.begin(), words.begin() + 4}, 1, INT32_MIN, INT32_MAX, values, error) ||
      !ParseNumbers(words, 4, 0, 0xFF, effect, error))
    return BadVerb{error};
  AmbientVerb verb{};
  verb.record.Mode = static_cast<std::int32_t>(values[0]);
  verb.record.ValueA = static_cast<std::int32_t>(values[1]);
  verb.record.ValueB = static_cast<std::int32_t>(values[2]);
  for (std::size_t i = 0; i < effect.size(); ++i)
    verb.record.Effect[i] = static_cast<std::uint8_t>(effect[i]);
  return verb;
}

template <typename Record>
bool Read(std::span<const std::uint8_t> payload, Record& record) {
  if (payload.size() != sizeof(record)) return false;
  std::memcpy(&record, payload.data(), sizeof(record));
  return true;
}

}  // namespace

const char kUsage[] =
    "usage: brelfx-talk-hub                  announce to the device programs, print what\n"
    "                                        they send, run verbs read from stdin\n"
    "       brelfx-talk-hub VERB [ARGS]      announce, run the verb, say goodbye\n"
    "verbs: device PID NAME [CPI0 … CPI4]    a companion device describes itself\n"
    "       command N [ARG]                  WM_TALK_STATUS N with ARG\n"
    "       ambient MODE A B [B12 … B17]     show an ambient-light effect\n";

Verb ParseVerb(const std::vector<std::string>& words) {
  if (words.empty()) return BadVerb{"no verb"};
  if (words[0] == "device") return ParseDevice(words);
  if (words[0] == "command") return ParseCommand(words);
  if (words[0] == "ambient") return ParseAmbient(words);
  return BadVerb{"unknown verb \"" + words[0] + "\""};
}

std::string DescribeCopyData(std::uintptr_t tag, std::span<const std::uint8_t> payload) {
  char line[160];
  const unsigned low = static_cast<unsigned>(tag & 0xFFFF);
  TalkDeviceStatus status;
  TalkPacket packet;
  if ((tag >> 16) == kTalkTagHighWord && Read(payload, status)) {
    std::snprintf(line, sizeof(line), "status %s (%u) from %04x:%04x window 0x%x",
                  low == kTalkKeyboardConnected ? "connected" : "not-connected", low,
                  status.VendorId, status.ProductId, static_cast<unsigned>(status.MonitorWindow));
  } else if ((tag >> 16) == kTalkTagHighWord && Read(payload, packet)) {
    std::snprintf(line, sizeof(line), "packet 0x%02x from %04x:%04x to %04x:%04x key %s",
                  packet.FunctionCode, packet.SenderVendorId, packet.SenderProductId,
                  packet.TargetVendorId, packet.TargetProductId, packet.KeyState ? "up" : "down");
  } else {
    std::snprintf(line, sizeof(line), "copy-data tag 0x%llx, %lu bytes",
                  static_cast<unsigned long long>(tag), static_cast<unsigned long>(payload.size()));
  }
  return line;
}

}  // namespace brelfx::talk_hub
