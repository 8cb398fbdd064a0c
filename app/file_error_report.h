// The report of a file error that escaped a handler of the program's dialogs.
#pragma once

#include <windows.h>

#include <exception>

// True when error is a file error: it is then reported in a stop box owned by owner,
// captioned with the application name. Any other error is left alone.
bool ReportFileError(HWND owner, const std::exception_ptr& error);
