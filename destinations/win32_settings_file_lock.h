// Keeps two runs of the program from reading and writing one settings file at the same
// time (at logoff every run saves at once), so that neither loses the other's folders.
#pragma once

#include <windows.h>

#include <string>

// The name of the lock of a settings file: the same for every spelling of the path
// that differs in case only. An object name holds no "\" after its "Local\" prefix,
// so the path goes in as a hash.
std::string SettingsLockName(const std::string& iniPath);

class SettingsFileLock {
public:
    // Waits up to two seconds for the lock. A lock that stays held, or that cannot be
    // made, is passed over: the save goes ahead without it, as the end of a session
    // must never hang.
    explicit SettingsFileLock(const std::string& iniPath);
    SettingsFileLock(const SettingsFileLock&) = delete;
    SettingsFileLock& operator=(const SettingsFileLock&) = delete;
    ~SettingsFileLock();

    bool held() const { return held_; }

private:
    HANDLE mutex_ = nullptr;
    bool held_ = false;
};
