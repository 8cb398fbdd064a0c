// The keyboard of the person at the machine: keys go through SendInput to whatever
// window has the focus, exactly as typed keys do.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Types text given in the ANSI code page (Shift-JIS literals of the tests) as Unicode
// key strokes; the target's ANSI window receives the same bytes back.
void TypeKeys(const std::string& ansiText);
// The same for UTF-16 text, whatever the driver's code page.
void TypeWideKeys(const std::wstring& text);

// Presses and releases one virtual key (VK_RETURN, VK_ESCAPE, ...).
void PressKey(WORD virtualKey);

// The window with the keyboard focus in the thread that owns window.
HWND FocusedWindowOf(HWND window);

// Makes the top-level window of control the foreground window and puts the focus on
// control the way the Tab key would (WM_NEXTDLGCTL), then waits until it is there.
bool FocusControl(HWND control);

}  // namespace e2e
