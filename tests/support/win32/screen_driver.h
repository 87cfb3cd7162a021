// Drives windows of other processes as a person would, for end-to-end tests:
// the mouse at a layout string's position, and screenshots of the whole
// screen into BRELFX_SCREENSHOTS.
#pragma once

#include <windows.h>

#include <string>

namespace brelfx::test {

// Screen position of the centre of a layout string's rectangle
// ("NAME,x,y,w,h,") in `window`, shifted by `offset`.
POINT LayoutCentre(HWND window, const char* layoutString, POINT offset = {0, 0});

void MoveMouseTo(POINT at);
// Left button down and up at `at`, then a moment for the window to react.
void ClickAt(POINT at);

// The whole screen as a 24-bit BMP named `name` in BRELFX_SCREENSHOTS (when set).
void Screenshot(const std::string& name);

}  // namespace brelfx::test
