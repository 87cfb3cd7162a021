// The keys every skinned dialog and page handles for its controls: Tab and
// Shift+Tab walk the controls in window order, Enter clicks the focused
// button or confirms the dialog, Escape cancels it. Space and the arrow keys
// are left to the focused control (buttons, sliders, spin fields, menus).
#pragma once

#include <cstdint>
#include <span>

namespace brelfx {

// The end codes of a modal dialog (the Windows IDOK and IDCANCEL).
inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;

// What the focused control is, as far as the dialog keys care.
enum class FocusKind {
  kNone,     // nothing of the dialog has the focus
  kButton,   // a push button, switch or drop-down: Enter clicks it
  kOther,    // an edit, slider, ...: Enter confirms the dialog
  kOwnKeys,  // takes Enter and Escape itself (an in-place edit)
};

enum class DialogKeyAction { kNone, kFocusNext, kFocusPrevious, kClickFocused, kOk, kCancel };

// Virtual-key codes (Windows' VK_ values) this decision knows.
inline constexpr unsigned kKeyTab = 0x09, kKeyEnter = 0x0D, kKeyEscape = 0x1B;

DialogKeyAction DialogKeyFor(unsigned virtualKey, bool shift, FocusKind focused);

// One control in window order, as Tab sees it.
struct FocusStop {
  bool tabStop = false;  // it takes the focus from the keyboard at all
  bool visible = false;  // it and every window above it are shown
  bool enabled = false;
  int32_t width = 0;  // a control placed at 0,0,0,0 exists but is never reached
  int32_t height = 0;
};

// The stop Tab (or Shift+Tab when `backward`) moves to from `current` (-1
// when the focus is on none of them), wrapping around; -1 when no control can
// take the focus.
int NextFocusStop(std::span<const FocusStop> stops, int current, bool backward);

}  // namespace brelfx
