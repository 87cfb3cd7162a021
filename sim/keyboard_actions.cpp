// What the keyboard's owner does on it, and the events that follow.
#include <cstring>

#include "sim/capture.h"
#include "sim/device_events.h"
#include "sim/sim_keyboard.h"

namespace brelfx::sim {
namespace {

constexpr std::uint8_t kMacroFunction = 0xBE;
constexpr int kRecordedMacroStep = 3;

void StoreRecordedMacro(SimProfile& profile, int keyIndex, const std::vector<SimAction>& actions) {
  SimMacro& macro = profile.Macros[keyIndex];
  std::memset(&macro, 0, sizeof(macro));
  macro.KeyIndex = static_cast<std::uint8_t>(keyIndex);
  macro.FunctionCode = kMacroFunction;
  macro.RepeatCount = 1;
  macro.ActionCount = static_cast<std::uint16_t>(actions.size());
  for (std::size_t i = 0; i < actions.size(); ++i) {
    std::uint8_t* a = macro.Actions + 4 * i;
    a[0] = actions[i].Code;
    a[1] = actions[i].Type;
    a[2] = static_cast<std::uint8_t>(actions[i].Delay);
    a[3] = static_cast<std::uint8_t>(actions[i].Delay >> 8);
  }
  profile.KeyCodes[keyIndex] = kMacroFunction;
  profile.Modifiers[keyIndex] = 0;
  profile.Usages[keyIndex] = 0;
}

}  // namespace

bool SimKeyboard::RaiseEvent(std::uint16_t type, std::uint16_t value) {
  if (!state_.Plugged) return false;
  ++state_.EventCount;
  RecordEvent(state_.Capture, clock_.NowMs(), type, value);
  Post(false, type, value);
  return true;
}

bool SimKeyboard::PressKey(std::uint16_t type, std::uint8_t item, bool up) {
  return RaiseEvent(type, KeyEventValue(item, up));
}

bool SimKeyboard::SwitchProfile(int number) {
  if (!state_.Plugged || number < 1 || number > kProfileCount) return false;
  state_.ActiveProfile = static_cast<std::uint8_t>(number - 1);
  return RaiseEvent(kEventProfileChanged, static_cast<std::uint16_t>(number));
}

bool SimKeyboard::ChangeBrightness(int level) {
  if (!state_.Plugged || level < 0 || level > 5) return false;
  state_.Profiles[state_.ActiveProfile].Lighting.Brightness = static_cast<std::uint8_t>(level);
  return RaiseEvent(kEventBrightness, static_cast<std::uint16_t>(level + 1));
}

bool SimKeyboard::LiveRecord(int step, int keyItem, const std::vector<SimAction>& actions) {
  if (!state_.Plugged || step < 1 || step > 5 || keyItem < 0 || keyItem > 0xFF) return false;
  if (step == kRecordedMacroStep) {
    const int keyIndex = keyItem - 1;
    if (keyIndex < 0 || keyIndex >= kMacroKeyCount ||
        actions.size() > static_cast<std::size_t>(kMaxMacroActions))
      return false;
    StoreRecordedMacro(state_.Profiles[state_.ActiveProfile], keyIndex, actions);
  } else if (!actions.empty()) {
    return false;  // only step 3 records anything
  }
  return RaiseEvent(kEventLiveRecording, static_cast<std::uint16_t>(step << 8 | keyItem));
}

bool SimKeyboard::CountUsage(int counter, int amount) {
  if (counter < 1 || counter > 19 || amount < 0 || amount > 0xFFFF) return false;
  return RaiseEvent(static_cast<std::uint16_t>(kEventCounterBase + counter),
                    static_cast<std::uint16_t>(amount));
}

}  // namespace brelfx::sim
