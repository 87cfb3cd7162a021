#include "sim/profile_dump.h"

#include <cinttypes>
#include <cstdarg>
#include <cstdio>

#include "sim/firmware_loader.h"
#include "sim/report_layout.h"

namespace brelfx::sim {
namespace {

void Append(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Append(std::string& text, const char* format, ...) {
  char line[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  text += line;
}

void AppendHex(std::string& text, const std::uint8_t* bytes, int count) {
  for (int i = 0; i < count; ++i) Append(text, " %02x", bytes[i]);
}

// A name field of the keyboard: up to 24 characters, not terminated when full.
std::string NameText(const char* field) {
  std::string name;
  for (int i = 0; i < kMacroNameSize && field[i]; ++i) name += field[i];
  return name;
}

const char* StageName(std::uint8_t stage) {
  switch (stage) {
    case kLoaderIdle:
      return "idle";
    case kLoaderOpened:
      return "opened";
    case kLoaderSized:
      return "size announced";
    case kLoaderReceiving:
      return "receiving";
    case kLoaderBlockAnnounced:
      return "block announced";
    default:
      return "?";
  }
}

void AppendFaults(std::string& text, const SimFaults& f) {
  std::string pending;
  if (f.FailSetCount > 0) Append(pending, " fail-set %d", f.FailSetCount);
  if (f.FailGetCount > 0) Append(pending, " fail-get %d", f.FailGetCount);
  if (f.BusyCount > 0) Append(pending, " busy %d", f.BusyCount);
  if (f.StatusCount > 0) Append(pending, " status %u x%d", f.StatusValue, f.StatusCount);
  if (f.CorruptCount > 0) Append(pending, " corrupt %d", f.CorruptCount);
  if (f.UnplugAfterCalls >= 0) Append(pending, " unplug-after %d", f.UnplugAfterCalls);
  if (f.RefusedBlock > 0) Append(pending, " fail-block %d", f.RefusedBlock - 1);
  text += "faults:" + (pending.empty() ? std::string(" none") : pending) + "\n";
}

void AppendMacro(std::string& text, const SimMacro& m, int key) {
  Append(text, "  macro of key %d: repeat %u, %u actions, names \"%s\" \"%s\" \"%s\"", key,
         m.RepeatCount, m.ActionCount, NameText(m.Name1).c_str(), NameText(m.MacroSetName).c_str(),
         NameText(m.MacroName).c_str());
  const int shown = m.ActionCount < kMaxMacroActions ? m.ActionCount : kMaxMacroActions;
  for (int i = 0; i < shown; ++i) {
    const std::uint8_t* a = m.Actions + 4 * i;
    Append(text, "%s%02x:%u:%u", i ? " " : ": ", a[0], a[1], ReadU16(a + 2));
  }
  text += "\n";
}

bool MacroHoldsSomething(const SimMacro& m) {
  return m.ActionCount != 0 || m.RepeatCount != 0 || m.Name1[0] || m.MacroSetName[0] ||
         m.MacroName[0];
}

}  // namespace

std::string DescribeKeyboard(const SimKeyboardState& s) {
  std::string text;
  Append(text, "keyboard: %s, profile %d active, firmware %u, loader %u, status %u\n",
         s.Plugged ? "plugged" : "unplugged", s.ActiveProfile + 1, s.FirmwareVersion,
         s.LoaderVersion, s.Status);
  text += "stamp:";
  AppendHex(text, s.SettingsStamp, sizeof(s.SettingsStamp));
  Append(text, "\nhost-state %u, talk state %u %u, ambient light", s.HostState, s.TalkState[0],
         s.TalkState[1]);
  AppendHex(text, s.AmbientLight, sizeof(s.AmbientLight));
  const SimFirmwareTransfer& fw = s.Firmware;
  Append(text,
         "\nupdate loader: %s, status %u, image %" PRIu32 " bytes, %u of %d blocks, %" PRIu32
         " completed updates\n",
         StageName(fw.Stage), fw.Status, fw.ImageSize, fw.BlocksReceived,
         FirmwareBlockCount(fw.ImageSize), fw.CompletedUpdates);
  AppendFaults(text, s.Faults);
  for (const SimMonitorSlot& m : s.Monitors)
    if (m.ClientId)
      Append(text,
             "listener: client %" PRIu32 ", window 0x%" PRIx64 ", messages %" PRIu32 "/%" PRIu32
             "\n",
             m.ClientId, m.Window, m.EventMessage, m.PlugMessage);
  return text;
}

std::string DescribeProfile(const SimKeyboardState& s, int slot) {
  const SimProfile& p = s.Profiles[slot];
  const SimLighting& l = p.Lighting;
  std::string text;
  Append(text, "profile %d%s\n", slot + 1, slot == s.ActiveProfile ? " (active)" : "");
  Append(text, "  key enable %02x, caps lock %02x\n", p.KeyEnableMask, p.CapsLockCode);
  Append(text,
         "  lighting: switch %u, breath %u, colour type %u, colour %u (%02x %02x %02x), "
         "brightness %u, dimmer %u, timeout %u\n",
         l.Switch, l.BreathSwitch, l.ColorType, l.ColorIndex, l.Red, l.Green, l.Blue, l.Brightness,
         l.Dimmer, l.Timeout);
  for (const KeyLayer& layer : kKeyLayers) {
    Append(text, "  %-12s (%2d-%2d):", layer.name, layer.firstKey,
           layer.firstKey + layer.keyCount - 1);
    AppendHex(text, p.KeyCodes + layer.firstKey, layer.keyCount);
    text += "\n";
  }
  for (int k = 0; k < kLayerKeyCount; ++k)
    if (p.Modifiers[k] || p.Usages[k])
      Append(text, "  key %d: code %02x, modifiers %02x, usage %02x\n", k, p.KeyCodes[k],
             p.Modifiers[k], p.Usages[k]);
  for (int k = 0; k < kMacroKeyCount; ++k)
    if (MacroHoldsSomething(p.Macros[k])) AppendMacro(text, p.Macros[k], k);
  return text;
}

}  // namespace brelfx::sim
