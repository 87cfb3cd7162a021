// The Windows registry of the current user.
#pragma once

#include "platform/registry.h"

namespace brelfx {

Registry& SystemRegistry();

}  // namespace brelfx
