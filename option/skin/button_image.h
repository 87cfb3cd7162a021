// Which of its four state images a skinned button shows.
#pragma once

namespace brelfx {

enum class ButtonImage { kNormal, kHover, kPressed, kDisabled };

struct ButtonState {
  bool toggleMode = false;  // a switch: a click flips `checked`
  bool checked = false;
  bool hover = false;     // the mouse is over it (or its menu is open)
  bool selected = false;  // being pressed right now (ODS_SELECTED)
  bool disabled = false;  // ODS_DISABLED
};

ButtonImage ChooseButtonImage(const ButtonState& state);

// The checked flag after the button's click was reported to its owner: a
// switch flips then, and only then, whatever produced the click (mouse,
// Space, the dialog keys), so its picture and its owner always agree.
bool CheckedAfterClick(const ButtonState& state);

}  // namespace brelfx
