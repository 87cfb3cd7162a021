// The text rules of the numeric spin field: what its edit shows and which
// value it reports after typing, on losing the focus and on the arrows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brelfx {

struct SpinRange {
  int minimum = 0;
  int maximum = 0;
  int step = 1;
};

struct SpinOutcome {
  int value = 0;
  std::optional<std::string> newText;  // the edit's text is rewritten to this
  bool caretToEnd = false;             // after rewriting, put the caret at the end
  bool report = false;                 // post WM_SPIN_VALUE with `value`
};

// After the edit changed (enter = false) or Enter was released (enter = true).
SpinOutcome SpinOnEditNotify(std::string_view text, bool enter, const SpinRange& range);

// After the edit lost the focus: the number clamped into the range.
SpinOutcome SpinOnKillFocus(std::string_view text, const SpinRange& range);

// An arrow click: the new value, written and reported, or nothing when the
// number is already past the end in that direction.
std::optional<SpinOutcome> SpinOnArrow(std::string_view text, bool up, const SpinRange& range);

// A value set by the program: written, never reported. The owner set it, and
// a report would make an owner that reloads itself on every report (and sets
// its fields again) answer its own echo for ever.
SpinOutcome SpinOnSetValue(int value);

// The C library's atoi without its undefined behaviour on overflow: leading
// blanks, an optional sign, digits; saturates at the int limits.
int ParseLeadingInt(std::string_view text);

}  // namespace brelfx
