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
    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;
    ~LaunchedProgram();

    bool Started() const { return process_.Valid(); }
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_.Get(); }
    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;

private:
    UniqueHandle process_;
    DWORD processId_ = 0;
};

}  // namespace e2e
