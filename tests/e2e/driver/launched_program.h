// A program started by the driver. Whatever a test does, the program does not outlive
// it: the destructor kills it if it is still running.
#pragma once

#include <windows.h>

#include <string>

#include "driver/unique_handle.h"

namespace e2e {

class LaunchedProgram {
public:
    // Starts exePath (quoted on the command line, as Explorer does) in its own folder
    // and waits until it is idle for input. Fails the calling test when it cannot start.
    explicit LaunchedProgram(const std::string& exePath);
    // Starts exePath with the given command line, in workingFolder: as a console or a
    // launcher may start it (by bare name, by a relative path, with "/").
    LaunchedProgram(const std::string& exePath, std::string commandLine,
                    const std::string& workingFolder);
    // Starts a program whose path the ANSI code page may not spell, quoted, in its folder.
    explicit LaunchedProgram(const std::wstring& exePath);
    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;
    ~LaunchedProgram();

    bool Started() const { return process_.Valid(); }
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_.Get(); }
    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;

private:
    void Adopt(const PROCESS_INFORMATION& info);

    UniqueHandle process_;
    DWORD processId_ = 0;
};

}  // namespace e2e
