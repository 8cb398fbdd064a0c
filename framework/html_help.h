// The system's HTML Help viewer, reached without linking to it.
#pragma once

#include <windows.h>

#include <string>

// Opens topic context of the compiled help file helpFile in the HTML Help viewer.
// False when the file is not there, the viewer (hhctrl.ocx) cannot be loaded, or the
// file maps no topic to context. The viewer library is loaded on first use and stays
// loaded: its windows run on its code until the process ends.
bool ShowHtmlHelpTopic(HWND owner, const std::string& helpFile, DWORD context);
