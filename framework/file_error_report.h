// The report of a file error that escaped a handler.
#pragma once

#include <windows.h>

#include <string>

#include "shortcut/file_error.h"

// The disk-full text with its "%1" filled in by the path.
std::string DiskFullMessage(const std::string& path);

// A stop box owned by owner, captioned with the application name.
void ReportFileError(HWND owner, const FileError& error);
