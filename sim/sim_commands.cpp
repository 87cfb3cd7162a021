#include "sim/sim_commands.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "platform/number_text.h"
#include "sim/capture.h"
#include "sim/device_events.h"
#include "sim/profile_dump.h"

namespace brelfx::sim {
namespace {

using Words = std::vector<std::string>;

struct Context {
  SimKeyboard& keyboard;
  const Words& args;  // the words after the command name
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  const char* name;
  const char* arguments;
  const char* help;
  int minArgs;
  int maxArgs;  // -1: any number
  int (*run)(Context&);
};

int BadArgument(Context& c, const std::string& what) {
  c.err << "brelfx-sim: " << what << "\n";
  return kCommandUsage;
}

// The owner's actions fail only because the keyboard is not there.
int Acted(Context& c, bool done) {
  if (done) return kCommandOk;
  c.err << "brelfx-sim: the keyboard is unplugged\n";
  return kCommandFailed;
}

// Reads argument i into value, or reports it.
bool Arg(Context& c, std::size_t i, const char* name, long long min, long long max,
         long long& value) {
  if (ParseNumber(c.args[i], min, max, value)) return true;
  c.err << "brelfx-sim: " << name << " must be a number from " << min << " to " << max << ", not \""
        << c.args[i] << "\"\n";
  return false;
}

// Optional argument i, with a default.
bool OptionalArg(Context& c, std::size_t i, const char* name, long long min, long long max,
                 long long fallback, long long& value) {
  value = fallback;
  return i >= c.args.size() || Arg(c, i, name, min, max, value);
}

struct NamedType {
  const char* name;
  std::uint16_t type;
};
constexpr NamedType kKeyEventTypes[] = {
    {"key", kEventKey},     {"key2", kEventKeyAlternate}, {"launch", kEventQuickLaunch},
    {"media", kEventMedia}, {"talk", kEventTalkKey},
};

bool EventTypeArg(Context& c, std::size_t i, std::uint16_t& type) {
  type = kEventKey;
  if (i >= c.args.size()) return true;
  for (const NamedType& t : kKeyEventTypes)
    if (c.args[i] == t.name) return type = t.type, true;
  long long value;
  if (!ParseNumber(c.args[i], 0, 0xFFFF, value)) {
    c.err << "brelfx-sim: TYPE must be key, key2, launch, media, talk or a number, not \""
          << c.args[i] << "\"\n";
    return false;
  }
  type = static_cast<std::uint16_t>(value);
  return true;
}

int KeyEvent(Context& c, bool up) {
  long long item;
  std::uint16_t type;
  if (!Arg(c, 0, "ITEM", 0, 0xFF, item) || !EventTypeArg(c, 1, type)) return kCommandUsage;
  return Acted(c, c.keyboard.PressKey(type, static_cast<std::uint8_t>(item), up));
}

// "CODE:TYPE:DELAY", for example 0x04:1:50.
bool ParseAction(const std::string& text, SimAction& action) {
  const std::size_t a = text.find(':');
  const std::size_t b = a == std::string::npos ? a : text.find(':', a + 1);
  if (b == std::string::npos) return false;
  long long code, type, delay;
  if (!ParseNumber(text.substr(0, a), 0, 0xFF, code) ||
      !ParseNumber(text.substr(a + 1, b - a - 1), 1, 2, type) ||
      !ParseNumber(text.substr(b + 1), 0, 0xFFFF, delay))
    return false;
  action = SimAction{static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(type),
                     static_cast<std::uint16_t>(delay)};
  return true;
}

int Record(Context& c) {
  long long step, item;
  if (!Arg(c, 0, "STEP", 1, 5, step)) return kCommandUsage;
  const bool recorded = step == 3;
  if (recorded && c.args.size() < 2) return BadArgument(c, "step 3 needs the ITEM recorded on");
  if (!OptionalArg(c, 1, "ITEM", recorded ? 1 : 0, recorded ? kMacroKeyCount : 0xFF, 0, item))
    return kCommandUsage;
  std::vector<SimAction> actions;
  for (std::size_t i = 2; i < c.args.size(); ++i) {
    SimAction action;
    if (!recorded) return BadArgument(c, "only step 3 records actions");
    if (!ParseAction(c.args[i], action))
      return BadArgument(
          c, "ACTION must be CODE:TYPE:DELAY (TYPE 1 press, 2 release), not \"" + c.args[i] + "\"");
    actions.push_back(action);
  }
  if (actions.size() > static_cast<std::size_t>(kMaxMacroActions))
    return BadArgument(c, "a macro holds at most 500 actions");
  return Acted(c, c.keyboard.LiveRecord(static_cast<int>(step), static_cast<int>(item), actions));
}

int Profile(Context& c) {
  long long n;
  if (!Arg(c, 0, "PROFILE", 1, kProfileCount, n)) return kCommandUsage;
  return Acted(c, c.keyboard.SwitchProfile(static_cast<int>(n)));
}

int Brightness(Context& c) {
  long long level;
  if (!Arg(c, 0, "LEVEL", 0, 5, level)) return kCommandUsage;
  return Acted(c, c.keyboard.ChangeBrightness(static_cast<int>(level)));
}

int Counter(Context& c) {
  long long n, amount;
  if (!Arg(c, 0, "COUNTER", 1, 19, n) || !Arg(c, 1, "AMOUNT", 0, 0xFFFF, amount))
    return kCommandUsage;
  return Acted(c, c.keyboard.CountUsage(static_cast<int>(n), static_cast<int>(amount)));
}

int Configuration(Context& c) {
  return Acted(c, c.keyboard.RaiseEvent(kEventConfiguration, 1));
}

int RawEvent(Context& c) {
  long long type, value;
  if (!Arg(c, 0, "TYPE", 0, 0xFFFF, type) || !Arg(c, 1, "VALUE", 0, 0xFFFF, value))
    return kCommandUsage;
  return Acted(c, c.keyboard.RaiseEvent(static_cast<std::uint16_t>(type),
                                        static_cast<std::uint16_t>(value)));
}

int Plug(Context& c) {
  if (!c.keyboard.Plug()) c.out << "the keyboard is already plugged\n";
  return kCommandOk;
}

int Unplug(Context& c) {
  if (!c.keyboard.Unplug()) c.out << "the keyboard is already unplugged\n";
  return kCommandOk;
}

int Reset(Context& c) {
  c.keyboard.Reset();
  return kCommandOk;
}

int Version(Context& c) {
  SimKeyboardState& s = c.keyboard.state();
  long long firmware, loader;
  if (!Arg(c, 0, "FIRMWARE", 0, 0xFF, firmware) ||
      !OptionalArg(c, 1, "LOADER", 0, 0xFF, s.LoaderVersion, loader))
    return kCommandUsage;
  s.FirmwareVersion = static_cast<std::uint8_t>(firmware);
  s.LoaderVersion = static_cast<std::uint8_t>(loader);
  return kCommandOk;
}

// The faults that take one count.
int SetFaultCount(Context& c, std::int32_t SimFaults::*field, long long fallback) {
  long long n;
  if (!OptionalArg(c, 0, "N", 0, 1000000, fallback, n)) return kCommandUsage;
  c.keyboard.faults().*field = static_cast<std::int32_t>(n);
  return kCommandOk;
}
int FailSet(Context& c) {
  return SetFaultCount(c, &SimFaults::FailSetCount, 1);
}
int FailGet(Context& c) {
  return SetFaultCount(c, &SimFaults::FailGetCount, 1);
}
int Busy(Context& c) {
  return SetFaultCount(c, &SimFaults::BusyCount, 1);
}
int Corrupt(Context& c) {
  return SetFaultCount(c, &SimFaults::CorruptCount, 1);
}
int UnplugAfter(Context& c) {
  return SetFaultCount(c, &SimFaults::UnplugAfterCalls, 0);
}

int Status(Context& c) {
  long long value, n;
  if (!Arg(c, 0, "VALUE", 0, 0xFF, value) || !OptionalArg(c, 1, "N", 0, 1000000, 1, n))
    return kCommandUsage;
  c.keyboard.faults().StatusValue = static_cast<std::uint8_t>(value);
  c.keyboard.faults().StatusCount = static_cast<std::int32_t>(n);
  return kCommandOk;
}

int Resend(Context& c) {
  long long n;
  if (!OptionalArg(c, 0, "N", 0, 1000000, 1, n)) return kCommandUsage;
  c.keyboard.faults().StatusValue = kStatusAgain;
  c.keyboard.faults().StatusCount = static_cast<std::int32_t>(n);
  return kCommandOk;
}

int RefuseBlock(Context& c) {
  long long block;
  if (!Arg(c, 0, "BLOCK", 0, kFirmwareMaxBlocks - 1, block)) return kCommandUsage;
  c.keyboard.faults().RefusedBlock = static_cast<std::int32_t>(block + 1);
  return kCommandOk;
}

int ClearFaults(Context& c) {
  c.keyboard.faults() = SimFaults{};
  c.keyboard.faults().UnplugAfterCalls = -1;
  return kCommandOk;
}

int Dump(Context& c) {
  long long n;
  if (c.args.empty()) {
    c.out << DescribeKeyboard(c.keyboard.state());
    for (int slot = 0; slot < kProfileCount; ++slot)
      c.out << DescribeProfile(c.keyboard.state(), slot);
    return kCommandOk;
  }
  if (!Arg(c, 0, "PROFILE", 1, kProfileCount, n)) return kCommandUsage;
  c.out << DescribeProfile(c.keyboard.state(), static_cast<int>(n - 1));
  return kCommandOk;
}

int Capture(Context& c) {
  if (c.args.empty()) {
    c.out << FormatCapture(c.keyboard.state().Capture);
    return kCommandOk;
  }
  if (c.args[0] != "clear") return BadArgument(c, "capture takes only \"clear\"");
  ClearCapture(c.keyboard.state().Capture);
  return kCommandOk;
}

int FirmwareImage(Context& c) {
  const SimFirmwareTransfer& fw = c.keyboard.state().Firmware;
  std::ofstream file(c.args[0], std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(fw.Image), fw.ImageSize);
  if (file.flush()) return kCommandOk;
  c.err << "brelfx-sim: could not write " << c.args[0] << "\n";
  return kCommandFailed;
}

int Help(Context& c);

constexpr Command kCommands[] = {
    {"plug", "", "the keyboard arrives (plug message 1)", 0, 0, Plug},
    {"unplug", "",
     "the keyboard leaves (plug message 0); feature calls fail until it is back "
     "and reopened",
     0, 0, Unplug},
    {"press", "ITEM [TYPE]",
     "key ITEM goes down; TYPE key (0x0D00, default), key2 (0x0E00), "
     "launch (0x0700), media (0x0B00), talk (0xFF00) or a number",
     1, 2, [](Context& c) { return KeyEvent(c, false); }},
    {"release", "ITEM [TYPE]", "key ITEM goes up", 1, 2,
     [](Context& c) { return KeyEvent(c, true); }},
    {"profile", "N", "the owner switches to profile N (1-5) on the keyboard", 1, 1, Profile},
    {"brightness", "LEVEL", "the owner sets brightness LEVEL (0-5) in the active profile", 1, 1,
     Brightness},
    {"record", "STEP [ITEM [ACTION...]]",
     "live recording step 1-5; step 3 stores the ACTIONs "
     "(CODE:TYPE:DELAY) as the macro of ITEM (1-36) in the active profile",
     1, -1, Record},
    {"counter", "N AMOUNT", "usage counter N (1-19) grows by AMOUNT", 2, 2, Counter},
    {"config", "", "the configuration key (event 0x1000 value 1)", 0, 0, Configuration},
    {"event", "TYPE VALUE", "any device event", 2, 2, RawEvent},
    {"version", "FIRMWARE [LOADER]", "firmware version bytes of the version report", 1, 2, Version},
    {"fail-set", "[N]", "the next N SetFeature calls fail", 0, 1, FailSet},
    {"fail-get", "[N]", "the next N GetFeature calls fail", 0, 1, FailGet},
    {"busy", "[N]", "the next N status reads answer busy (3)", 0, 1, Busy},
    {"status", "VALUE [N]", "then the next N status reads answer VALUE (4, 2, ...)", 1, 2, Status},
    {"resend", "[N]", "the next N status reads ask for the command again (status 4)", 0, 1, Resend},
    {"fail-block", "BLOCK",
     "the update loader refuses the data of firmware block BLOCK (from 0) until clear-faults", 1, 1,
     RefuseBlock},
    {"corrupt", "[N]", "the next N checksummed reads carry a wrong checksum", 0, 1, Corrupt},
    {"unplug-after", "N", "the keyboard leaves after N more feature calls", 1, 1, UnplugAfter},
    {"clear-faults", "", "drop every scripted fault", 0, 0, ClearFaults},
    {"reset", "", "factory state: factory profiles, no faults, empty capture, plugged", 0, 0,
     Reset},
    {"dump", "[PROFILE]", "print the keyboard's state and its profiles (or one profile)", 0, 1,
     Dump},
    {"capture", "[clear]",
     "print every report, event and plug change with time stamps, or "
     "empty the capture",
     0, 1, Capture},
    {"firmware-image", "FILE", "write the firmware image the keyboard received to FILE", 1, 1,
     FirmwareImage},
    {"help", "", "this text", 0, 0, Help},
};

int Help(Context& c) {
  c.out << SimCommandUsage();
  return kCommandOk;
}

constexpr std::size_t kHelpColumn = 34;
constexpr std::size_t kHelpWidth = 100;

// Appends words to text, continuing its last line, wrapped at kHelpWidth with
// later lines indented to kHelpColumn.
void AppendWrapped(std::string& text, const std::string& words) {
  std::size_t column = text.size() - (text.rfind('\n') + 1);
  bool lineStart = true;
  std::size_t start = 0;
  while (start < words.size()) {
    std::size_t end = words.find(' ', start);
    if (end == std::string::npos) end = words.size();
    const std::string word = words.substr(start, end - start);
    if (!lineStart && column + 1 + word.size() > kHelpWidth) {
      text += "\n" + std::string(kHelpColumn, ' ');
      column = kHelpColumn;
      lineStart = true;
    }
    if (!lineStart) {
      text += ' ';
      ++column;
    }
    text += word;
    column += word.size();
    lineStart = false;
    start = end + 1;
  }
  text += "\n";
}

}  // namespace

std::string SimCommandUsage() {
  std::string text =
      "usage: brelfx-sim COMMAND [ARGUMENTS]\n"
      "Drives the simulated keyboard behind the stand-in zendrel.dll. Numbers are decimal or\n"
      "0x-hex; ITEM is a key item as the keyboard reports it (key index + 1).\n\n";
  for (const Command& command : kCommands) {
    std::string head = std::string("  ") + command.name;
    if (*command.arguments) head += std::string(" ") + command.arguments;
    head.resize(std::max(head.size() + 1, kHelpColumn), ' ');
    text += head;
    AppendWrapped(text, command.help);
  }
  text +=
      "\nThe keyboard's state is kept in the file named by BRELFX_SIM_STATE_FILE, by default\n"
      "BrelFX_Simulated_Keyboard_State.bin in the temporary folder.\n"
      "Exit status: 0 done, 1 the keyboard could not do it, 2 usage error.\n";
  return text;
}

int RunSimCommand(SimKeyboard& keyboard, const Words& words, std::ostream& out, std::ostream& err) {
  if (words.empty()) {
    err << SimCommandUsage();
    return kCommandUsage;
  }
  for (const Command& command : kCommands) {
    if (words[0] != command.name) continue;
    const Words args(words.begin() + 1, words.end());
    const int n = static_cast<int>(args.size());
    if (n < command.minArgs || (command.maxArgs >= 0 && n > command.maxArgs)) {
      err << "brelfx-sim: usage: brelfx-sim " << command.name << " " << command.arguments << "\n";
      return kCommandUsage;
    }
    Context context{keyboard, args, out, err};
    return command.run(context);
  }
  err << "brelfx-sim: unknown command \"" << words[0] << "\"\n" << SimCommandUsage();
  return kCommandUsage;
}

}  // namespace brelfx::sim
