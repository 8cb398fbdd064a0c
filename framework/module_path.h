// Names derived from the path of the running executable.
#pragma once

#include <optional>
#include <string>

// Full path of the running executable as code page 932 spells it exactly, or
// nullopt when it cannot: a best-fit spelling names another file ("C:\a¥b" would
// become "C:\a\b").
std::optional<std::string> ExactModuleFileName();

// The running executable's file name without folder and extension, spelt exactly, or
// nullopt when the code page cannot spell the name (the folder does not matter).
std::optional<std::string> ExactModuleFileTitle();

// The folder of the running executable, ending in "\", spelt exactly; nullopt as above.
// It does not depend on how the program was started (bare name, relative path, "/").
std::optional<std::string> ProgramDirectory();

// The folder of the running executable in UTF-16, ending in "\"; empty when there is
// none. Any name, also one code page 932 cannot spell.
std::wstring WideProgramDirectory();

// The short (8.3) form of an existing folder, ending in "\" as given; empty when
// Windows has none to give.
std::wstring ShortFolderName(const std::wstring& folder);

// "C:\dir\ravlet.exe" -> "ravlet": no directory, no extension.
std::string FileTitle(const std::string& path);

// "C:\dir\ravlet.exe" -> "C:\dir\ravlet.HLP": the Windows Help file.
std::string HelpFilePath(const std::string& modulePath);

// "C:\dir\ravlet.exe" -> "C:\dir\ravlet.chm": the HTML Help file.
std::string HtmlHelpFilePath(const std::string& modulePath);
