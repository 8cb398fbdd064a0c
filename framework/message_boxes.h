// Every message box of the program goes through here.
#pragma once

#include <windows.h>

#include <string>

// A modal box owned by owner, its text and caption from the program's string table.
// Each "%1" in the text is replaced by value, an ANSI text. Texts are loaded and shown
// in UTF-16, so a box reads right whatever the system's code page. Returns the button
// pressed (0 when the box could not be shown).
int ShowMessageBox(HWND owner, unsigned textId, unsigned captionId, UINT style,
                   const std::string& value = {});

// A box that the application layer raises by itself: its caption is the application
// name.
int ShowAppMessageBox(HWND owner, unsigned textId, UINT style, const std::string& value = {});

// The string table's text with each "%1" replaced by value (code page 932); empty
// when the table has no such string.
std::wstring FormatResourceMessage(unsigned textId, const std::string& value = {});
