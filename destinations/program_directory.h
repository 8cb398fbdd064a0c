// Where the program lives, as its command line says.
#pragma once

#include <string>

// Drive and directory of the program named first on a command line, ending in "\"
// (or "/"), or empty when the command line names no directory.
std::string ProgramDirectory(const std::string& commandLine);

inline std::string IniPath(const std::string& programDirectory) {
    return programDirectory + "ravlet.ini";
}
// Always "ravlet.exe": shortcuts name this file, whatever the running copy is called.
inline std::string IconFilePath(const std::string& programDirectory) {
    return programDirectory + "ravlet.exe";
}
