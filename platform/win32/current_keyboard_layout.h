// The keyboard layout of the calling thread, through MapVirtualKeyA.
#pragma once

#include "platform/keyboard_layout.h"

namespace brelfx {

const KeyboardLayout& CurrentKeyboardLayout();

}  // namespace brelfx
