// Where things are in the test prefix. The Wine session maps drive D: onto the build
// folder, so the program under test and the outputs have fixed Windows paths.
#pragma once

#include <optional>
#include <string>

namespace e2e {

std::string BuiltRavletExe();    // the program under test: D:\ravlet.exe, or another build's
std::string ScreenshotFolder();  // D:\e2e-screenshots
std::string FullVolumeFolder();  // D:\fullvol, a tiny volume when the session has one
std::string NetworkDrive();      // N:\, a drive of the network type
std::string DriverFolder();      // the folder of e2e_tests.exe (and of rec.exe)

// An empty folder C:\e2e\NAME, emptied first if an earlier run left it behind.
std::string FreshFolder(const std::string& name);

// The file's bytes, or nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
bool PathExists(const std::string& path);

}  // namespace e2e
