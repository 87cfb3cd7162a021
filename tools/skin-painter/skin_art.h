// Paints the pictures a recipe describes: a window's five roles, one picture
// of a picture set, one flag of a flag set, or one frame of an animation.
#pragma once

#include <string>

#include "tools/skin-painter/canvas.h"
#include "tools/skin-painter/skin_recipe.h"
#include "tools/skin-painter/text/text_painter.h"

namespace brelfx::painter {

// The pictures of the five roles; the state looks: normal, hover, pressed and,
// for the extra picture, disabled.
enum class Role { kShape, kNormal, kHover, kPressed, kExtra };
inline constexpr const char* kRoleNames[] = {"shape", "normal", "hover", "pressed", "extra"};

struct PictureRequest {
  Role role = Role::kNormal;
  int picture = -1;    // picture set: which picture's own elements to add
  int language = 1;    // the flag of `flag` lines without lang=
  double phase = 0.0;  // animation: 0 first frame .. 1 after the last
  int level = 0;       // level animation: 1-16; 0 for every other picture
};

// False with a message when a wording cannot be lettered (see TextPainter::Draw).
bool PaintSkin(const SkinRecipe& recipe, const PictureRequest& request, TextPainter& text,
               Canvas& picture, std::string& error);

}  // namespace brelfx::painter
