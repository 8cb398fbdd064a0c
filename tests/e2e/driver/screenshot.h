// Screenshots of the program's windows, kept among the test outputs for people to
// look at (build folder, e2e-screenshots/NAME.png).
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Copies the screen area of window (with its frame) into NAME.png; returns false if
// the picture could not be taken or written.
bool SaveScreenshot(HWND window, const std::string& name);

}  // namespace e2e
