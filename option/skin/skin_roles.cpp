#include "option/skin/skin_roles.h"

namespace brelfx {

std::optional<SkinRole> SkinRoleStandIn(SkinRole role) {
  switch (role) {
    case SkinRole::kHover:
    case SkinRole::kExtra:
      return SkinRole::kNormal;
    case SkinRole::kPressed:
      return SkinRole::kHover;
    case SkinRole::kShape:
    case SkinRole::kNormal:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace brelfx
