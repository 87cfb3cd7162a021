// Input injection into the system's input stream with keybd_event and
// mouse_event, as hooks and windows of every process see real input.
#pragma once

#include "platform/input_injector.h"

namespace brelfx {

InputInjector& SystemInput();

}  // namespace brelfx
