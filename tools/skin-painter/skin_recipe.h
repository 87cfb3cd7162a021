// A skin recipe describes one window's pictures as text, one line each:
//
//   size 560 420          the picture size
//   chamfer 18            corners cut by this many pixels (the window shape)
//   header 36             height of the title strip
//   button BUTTON_OK,150,240,58,26,     an element: its kind and layout string
//
// Kinds: panel, button, dropdown, toggle, swatch, edit, track, spin, close,
// picker. Element rectangles are the controls' own layout strings, so the
// artwork sits exactly where the program places the control.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "option/skin/layout_string.h"
#include "tools/skin-painter/canvas.h"

namespace brelfx::painter {

enum class ElementKind {
  kPanel,
  kButton,
  kDropdown,
  kToggle,
  kSwatch,
  kEdit,
  kTrack,
  kSpin,
  kClose,
  kPicker
};

struct Element {
  ElementKind kind;
  SkinRect rect;
};

struct SkinRecipe {
  int width = 0;
  int height = 0;
  int chamfer = 0;
  int header = 0;
  std::vector<Element> elements;
};

// Parses a recipe; on a bad line returns false with a message naming it.
bool ParseSkinRecipe(std::string_view text, SkinRecipe& recipe, std::string& error);

// The pictures of the five roles; the state looks: normal, hover, pressed and,
// for the extra picture, disabled.
enum class Role { kShape, kNormal, kHover, kPressed, kExtra };
inline constexpr const char* kRoleNames[] = {"shape", "normal", "hover", "pressed", "extra"};

Canvas PaintSkin(const SkinRecipe& recipe, Role role);

}  // namespace brelfx::painter
