// Waiting for a state of the program under test. Everything the driver waits for is
// polled against a deadline, never slept for: Wine's timing varies from run to run.
#pragma once

#include <windows.h>

namespace e2e {

// Long enough for a cold Wine process start on a busy machine.
constexpr DWORD kDefaultTimeoutMs = 20000;
constexpr DWORD kPollIntervalMs = 20;

// Calls probe() until it returns something truthy or the time is up; returns the last
// result either way, so callers test it and say what they were waiting for.
template <class Probe>
auto PollUntil(Probe probe, DWORD timeoutMs = kDefaultTimeoutMs) -> decltype(probe()) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        auto result = probe();
        if (result || GetTickCount64() >= deadline) {
            return result;
        }
        Sleep(kPollIntervalMs);
    }
}

}  // namespace e2e
