// The roles of a page's or dialog's full-window pictures, and which picture
// stands in for a role the window lacks.
#pragma once

#include <optional>

namespace brelfx {

enum class SkinRole { kShape, kNormal, kHover, kPressed, kExtra };

// The role whose picture is used when `role` has none: hover and extra reuse
// the normal picture, pressed the hover one. The shape and the normal picture
// have no stand-in: a window without a shape stays rectangular (using the
// normal picture would punch holes wherever it is pure white). A window that
// is shaped by its own background names the background's id as its shape.
std::optional<SkinRole> SkinRoleStandIn(SkinRole role);

}  // namespace brelfx
