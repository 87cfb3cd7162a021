// A page's controls take their tooltip or help text from the loaded help
// library; an id the library lacks leaves what the control showed before.
#pragma once

#include "option/app/string_source.h"

namespace brelfx {

template <class Control>
void SetTooltipFrom(StringSource& strings, Control& control, unsigned id) {
  if (const auto text = strings.Text(static_cast<int>(id))) control.SetTooltip(*text);
}

template <class Control>
void SetHelpTextFrom(StringSource& strings, Control& control, unsigned id) {
  if (const auto text = strings.Text(static_cast<int>(id))) control.SetHelpText(*text);
}

}  // namespace brelfx
