// Input that a shortcut and a macro inject reaches another process: a witness
// process watches with low-level hooks and reports, in order, every injected
// key with its scan code and every mouse button.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "monitor/playback/player_thread.h"
#include "monitor/playback/shortcut_keys.h"
#include "monitor/tests/win32/input_witness_process.h"
#include "platform/win32/current_keyboard_layout.h"
#include "platform/win32/high_resolution_clock.h"
#include "platform/win32/system_input.h"
#include "tests/support/fake_window_timers.h"
#include "tests/support/virtual_clock.h"

namespace brelfx {
namespace {

using test::InputWitness;
using test::WitnessKeyLine;

bool WaitUntilIdle(const MacroPlayer& player) {
  for (int i = 0; i < 10000 && player.Playing(); ++i) Sleep(1);
  return !player.Playing();
}

TEST(InputInjection, AnotherProcessSeesShortcutAndMacroInOrder) {
  InputWitness witness;
  ASSERT_TRUE(witness.WaitReady());

  KeySender keys(SystemInput(), CurrentKeyboardLayout());
  test::VirtualClock idleClock;  // the repeat timer never fires here
  test::FakeWindowTimers timers(idleClock);
  ShortcutKeys shortcuts(keys, SystemClock(), timers);
  const MacroEvent ctrlShiftA{0x04, 0x06, 0};
  shortcuts.KeyDown(0, ctrlShiftA);
  shortcuts.KeyUp(0);

  HighResolutionClock playerClock;
  MacroPlayer player(keys, playerClock);
  {
    PlayerThread playerThread(player);
    KeyAssignment macro{};
    macro.FunctionCode = kFnMacro;
    const MacroEvent events[] = {{0x05, 1, 20}, {0x05, 2, 0},  {0xE5, 1, 5},
                                 {0xE5, 2, 5},  {0xF3, 1, 10}, {0xF3, 2, 1}};
    for (const MacroEvent& e : events) macro.Actions[macro.ActionCount++] = e;
    playerThread.StartOrStop(macro);
    ASSERT_TRUE(WaitUntilIdle(player));
  }

  const std::vector<std::string> expected = {WitnessKeyLine(0x11, false),
                                             WitnessKeyLine(0x10, false),
                                             WitnessKeyLine(0x41, false),
                                             WitnessKeyLine(0x41, true),
                                             WitnessKeyLine(0x10, true),
                                             WitnessKeyLine(0x11, true),
                                             WitnessKeyLine(0x42, false),
                                             WitnessKeyLine(0x42, true),
                                             WitnessKeyLine(0x10, false),
                                             WitnessKeyLine(0x10, true),
                                             "mouse 20b/2",
                                             "mouse 20c/2"};
  EXPECT_EQ(witness.Seen(), expected);
}

}  // namespace
}  // namespace brelfx
