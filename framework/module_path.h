// Names derived from the path of the running executable.
#pragma once

#include <string>

// Full path of the running executable.
std::string ModuleFileName();

// "C:\dir\ravlet.exe" -> "ravlet": no directory, no extension.
std::string FileTitle(const std::string& path);

// "C:\dir\ravlet.exe" -> "C:\dir\ravlet.HLP": the Windows Help file.
std::string HelpFilePath(const std::string& modulePath);

// "C:\dir\ravlet.exe" -> "C:\dir\ravlet.chm": the HTML Help file.
std::string HtmlHelpFilePath(const std::string& modulePath);
