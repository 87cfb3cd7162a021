// The macro manager without its window: the working copy of the library the
// dialog edits (a deep copy: OK hands it back, Cancel drops it), the chosen
// set and macro, and the set and macro commands with their limits.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/macro_library.h"

namespace brelfx {

inline constexpr int kMostMacroSets = 100;
inline constexpr int kMostMacrosPerSet = 100;
inline constexpr std::size_t kMacroNameLimit = 24;

// Where the manager opens: with an empty library it first asks for a set
// (after a short timer, once the window shows); otherwise on the key's
// current set and macro when the key holds a macro the library has, else on
// the requested set (-1: none).
struct MacroManagerOpening {
  bool askForSetFirst = false;
  int set = -1;
  int macro = -1;
};
MacroManagerOpening ChooseMacroManagerOpening(const MacroLibrary& library,
                                              const KeyAssignment* key, int requestedSet);

// What "New" may do now.
enum class NewMacroCheck { kAllowed, kNoSet, kListFull };

class MacroManagerModel {
 public:
  explicit MacroManagerModel(MacroLibrary working) : library_(std::move(working)) {}

  const MacroLibrary& library() const { return library_; }
  // The working copy, for OK.
  MacroLibrary TakeLibrary() { return std::move(library_); }

  int selectedSet() const { return set_; }
  int selectedMacro() const { return macro_; }
  // The selected macro, or nullptr. Valid until the next set or macro
  // command (they may move the macros in memory).
  MacroRecord* SelectedMacroRecord();

  // -1 or a position out of range selects nothing.
  void SelectSet(int set);
  void SelectMacro(int macro);
  // The names the macro list shows for the selected set.
  std::vector<std::string> MacroNames() const;

  // "[+]Add Macro Set" with the name from the set-name dialog: trimmed;
  // refused (false) when empty, taken (ignoring case), reserved or when 100
  // sets exist. A new set is created (state 1) and selected.
  bool AddSet(std::string_view name);
  // "[x]Delete Macro Set": the selected set goes; the selection moves to the
  // same position or the last set (none when the library is empty).
  bool DeleteSelectedSet();

  NewMacroCheck CheckNewMacro() const;
  // The in-place edit of "New" ended with `name`: trimmed, at most 24
  // characters; refused when empty, or another macro of the set has it
  // (ignoring case). A new macro without events (loop 1) is appended and
  // selected.
  bool AddMacro(std::string_view name);
  // "Delete" after the confirmation: the selected macro goes; the selection
  // moves to the same row or the last one.
  bool DeleteSelectedMacro();

  // The editor changed the selected macro: its set is rewritten on save.
  void MarkSelectedSetModified();

 private:
  MacroSet* SelectedSet();

  MacroLibrary library_;
  int set_ = -1;
  int macro_ = -1;
};

}  // namespace brelfx
