#include "driver/launched_program.h"

#include <gtest/gtest.h>

#include "driver/poll.h"

namespace e2e {

LaunchedProgram::LaunchedProgram(const std::string& exePath)
    : LaunchedProgram(exePath, "\"" + exePath + "\"",
                      exePath.substr(0, exePath.find_last_of('\\'))) {}

LaunchedProgram::LaunchedProgram(const std::string& exePath, std::string commandLine,
                                 const std::string& folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        ADD_FAILURE() << "cannot start " << exePath << " (error " << GetLastError() << ")";
        return;
    }
    Adopt(info);
}

LaunchedProgram::LaunchedProgram(const std::wstring& exePath) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    const std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\'));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        ADD_FAILURE() << "cannot start a program by its UTF-16 path (error " << GetLastError()
                      << ")";
        return;
    }
    Adopt(info);
}

void LaunchedProgram::Adopt(const PROCESS_INFORMATION& info) {
    CloseHandle(info.hThread);
    process_.Reset(info.hProcess);
    processId_ = info.dwProcessId;
    WaitForInputIdle(info.hProcess, kDefaultTimeoutMs);
}

LaunchedProgram::~LaunchedProgram() {
    if (Running()) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), kDefaultTimeoutMs);
    }
}

bool LaunchedProgram::WaitForExit(DWORD timeoutMs) {
    return process_.Valid() && WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
}

bool LaunchedProgram::Running() const {
    return process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

}  // namespace e2e
