// The old Windows Help viewer, for a program whose HTML Help file is missing.
#pragma once

#include <windows.h>

#include <string>

// Asks Windows Help for topic context of helpFile, a full path beside the program.
// False when Windows Help refuses, and also, without asking, when a winhlp32.exe lies in
// the help file's (the program's) folder or in the current folder: Windows Help starts
// winhlp32.exe by bare name, and a process start looks there before the system folder,
// so a program downloaded next to such a file would run it.
bool ShowWindowsHelpTopic(HWND owner, const std::string& helpFile, DWORD context);
