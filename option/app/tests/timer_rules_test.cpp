#include <gtest/gtest.h>

#include <string>

#include "option/app/timers/timer_editor.h"
#include "option/app/timers/timer_rules.h"
#include "settings/text_field.h"

namespace brelfx {
namespace {

TimerList ThreeTimers() {
  return {MakeTimer("Boss", 60), MakeTimer(" Respawn ", 30), MakeTimer("Tea", 180)};
}

std::string NameAt(const TimerList& timers, int i) { return TextField(timers[i].name); }

TEST(CreateTimer, NamesAreTrimmedAndUniqueIgnoringCaseAndBlanks) {
  const TimerList timers = ThreeTimers();
  for (const char* refused : {"Boss", "boss", "  BOSS\t", "respawn", "", "   "})
    EXPECT_FALSE(AcceptNewTimerName(timers, refused)) << '"' << refused << '"';
  EXPECT_EQ(AcceptNewTimerName(timers, "  Boss 2 ").value_or("?"), "Boss 2");
  EXPECT_EQ(AcceptNewTimerName({}, "x").value_or("?"), "x");
}

TEST(CreateTimer, TheListStopsAtFiftyTimers) {
  TimerList timers(49, MakeTimer("t", 15));
  EXPECT_TRUE(CanCreateTimer(timers));
  timers.push_back(MakeTimer("u", 15));
  EXPECT_FALSE(CanCreateTimer(timers));  // a 51st could never be given a menu id
  EXPECT_EQ(ClampTimerSeconds(3), 15);
  EXPECT_EQ(ClampTimerSeconds(5000), 999);
}

TEST(TimerEditor, SaveRenamesOnlyToFreeNamesAndKeepsItsOwnName) {
  TimerList timers = ThreeTimers();
  TimerEditor editor(timers, 0);

  EXPECT_FALSE(editor.Save(" respawn", 99));  // another timer's name: nothing changes
  EXPECT_FALSE(editor.Save("   ", 99));       // empty: nothing
  EXPECT_EQ(NameAt(timers, 0), "Boss");
  EXPECT_EQ(timers[0].seconds, 60);

  EXPECT_TRUE(editor.Save(" BOSS ", 90));  // its own name: only the length
  EXPECT_EQ(NameAt(timers, 0), "Boss");
  EXPECT_EQ(timers[0].seconds, 90);

  editor.Choose(2);
  EXPECT_TRUE(editor.Save("  Coffee ", 2000));
  EXPECT_EQ(NameAt(timers, 2), "Coffee");
  EXPECT_EQ(timers[2].seconds, 999);
  EXPECT_EQ(editor.Displayed().name, "Coffee");

  editor.Choose(3);  // past the list: the chooser has no such entry
  EXPECT_EQ(editor.current(), 2);
}

TEST(TimerEditor, DeletingMovesTheCurrentTimerAndEmptiesTheEditorAtTheEnd) {
  TimerList timers = ThreeTimers();
  TimerEditor editor(timers, 2);
  editor.DeleteCurrent();  // the last one: the new last becomes current
  EXPECT_EQ(editor.current(), 1);
  EXPECT_EQ(editor.Displayed().name, " Respawn ");
  editor.Choose(0);
  editor.DeleteCurrent();  // the first: the next one moves into its place
  EXPECT_EQ(editor.current(), 0);
  EXPECT_EQ(editor.Displayed().name, " Respawn ");
  editor.DeleteCurrent();
  EXPECT_TRUE(timers.empty());
  EXPECT_EQ(editor.current(), -1);
  EXPECT_EQ(editor.Displayed().name, "");
  EXPECT_EQ(editor.Displayed().seconds, 10);

  // Nothing current: saving and deleting change nothing (and read nothing).
  EXPECT_FALSE(editor.Save("New", 20));
  editor.DeleteCurrent();
  EXPECT_TRUE(timers.empty());
  TimerList one = {MakeTimer("One", 20)};
  TimerEditor outside(one, 7);
  EXPECT_FALSE(outside.HasCurrent());
  EXPECT_FALSE(outside.Save("Two", 20));
  outside.DeleteCurrent();
  EXPECT_EQ(NameAt(one, 0), "One");
}

}  // namespace
}  // namespace brelfx
