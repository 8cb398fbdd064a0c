// Every message box of the program goes through here.
#pragma once

#include <windows.h>

#include <string>

// A modal box owned by owner; returns the button pressed (0 when the box could not be
// shown).
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style);

// A box that the application layer raises by itself: its caption is the application
// name.
int ShowAppMessageBox(HWND owner, const std::string& text, UINT style);
