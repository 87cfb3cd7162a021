// What a person does to a window under test: real mouse clicks and key
// strokes through SendInput, at the places the layout strings give, and
// screenshots of the screen.
#pragma once

#include <windows.h>

#include <string>

namespace brelfx::test {

// Screen position of the middle of a control placed by `layoutString`
// ("NAME,x,y,w,h,...") in `window`, shifted by `offset`.
POINT LayoutCentre(HWND window, const char* layoutString, POINT offset = {0, 0});

void MoveMouseTo(POINT at);
// Left button down and up at `at`, then a moment for the window to react.
void ClickAt(POINT at);

// A key goes down or up, with the scan code of the current layout.
void PressKey(WORD vk);
void ReleaseKey(WORD vk);

// The first visible top-level window with this title within `milliseconds`.
HWND WaitForWindow(const char* title, int milliseconds = 5000);

// The screen within `window` (the whole screen without one) as
// BRELFX_SCREENSHOTS\<name>.bmp, once the last paint has landed; nothing when
// the variable is not set. False when the file could not be written.
bool SaveScreenshot(const std::string& name, HWND window = nullptr);

}  // namespace brelfx::test
