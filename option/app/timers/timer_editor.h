// The timer editor's logic ("Edit/Delete Timer"): one timer of the list is
// current; SAVE TIMER renames it or changes its length, DELETE TIMER removes
// it. The list is changed in place; the caller saves it after OK.
#pragma once

#include <string>
#include <string_view>

#include "settings/timer_file.h"

namespace brelfx {

class TimerEditor {
 public:
  // What the chooser, the name field and the spin field show.
  struct Shown {
    std::string name;
    int seconds = 0;
  };

  // Starts with the timer at firstIndex (any value: one that names no timer
  // shows the empty editor).
  TimerEditor(TimerList& timers, int firstIndex) : timers_(timers), current_(firstIndex) {}

  int current() const { return current_; }
  bool HasCurrent() const;
  // The current timer; an empty name and 10 s when there is none.
  Shown Displayed() const;

  // The chooser's entry i; an index past the list is ignored.
  void Choose(int index);

  // SAVE TIMER with the name field's text and the spin value: a name no timer
  // has renames the current timer and sets its length; the current timer's
  // own name changes only the length; another timer's name or an empty name
  // changes nothing. True when the save was taken.
  bool Save(std::string_view typedName, int seconds);

  // DELETE TIMER (after the confirmation): removes the current timer; the
  // current index stays, or becomes the last one when it pointed past the
  // end, or -1 when the list is now empty. Does nothing without a current
  // timer, so the confirmation is asked only when HasCurrent.
  void DeleteCurrent();

 private:
  TimerList& timers_;
  int current_;
};

}  // namespace brelfx
