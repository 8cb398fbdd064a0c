// The old Windows Help viewer, for a program whose HTML Help file is missing.
#pragma once

#include <windows.h>

#include <string>

// True when Windows Help may be asked to show helpFile, a full path beside the
// program: the file is there, and no winhlp32.exe lies in its (the program's) folder
// or in the current folder. Windows Help starts winhlp32.exe by bare name, and a
// process start looks there before the Windows folder, so a program downloaded next to
// such a file would run it. False too when a folder cannot be read, since nothing then
// says what a start would find.
bool MayStartWindowsHelp(const std::string& helpFile);

// Asks Windows Help for topic context of helpFile when MayStartWindowsHelp allows it.
// False when it does not, or when Windows Help refuses.
bool ShowWindowsHelpTopic(HWND owner, const std::string& helpFile, DWORD context);
