#include "destinations/win32_settings_file_lock.h"

#include <cstdint>

#include "framework/exact_ansi.h"

namespace {

constexpr DWORD kLockWaitMilliseconds = 2000;

}  // namespace

std::string SettingsLockName(const std::string& iniPath) {
    // File names are compared without case, also beyond ASCII: the path is upper-cased
    // as UTF-16, whole characters at a time.
    std::wstring wide = WideFromAnsi(iniPath);
    CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    // 64-bit FNV-1a over the UTF-16 units.
    uint64_t hash = 14695981039346656037ull;
    for (const wchar_t unit : wide) {
        hash = (hash ^ static_cast<uint16_t>(unit)) * 1099511628211ull;
    }
    static const char kDigits[] = "0123456789abcdef";
    std::string name = "Local\\ravlet-settings-";
    for (int shift = 60; shift >= 0; shift -= 4) {
        name += kDigits[(hash >> shift) & 0xF];
    }
    return name;
}

SettingsFileLock::SettingsFileLock(const std::string& iniPath) {
    if (iniPath.empty()) {
        return;
    }
    mutex_ = CreateMutexA(nullptr, FALSE, SettingsLockName(iniPath).c_str());
    if (mutex_ == nullptr) {
        return;
    }
    // An abandoned lock (a run that ended in the middle of a save) is ours now.
    const DWORD waited = WaitForSingleObject(mutex_, kLockWaitMilliseconds);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

SettingsFileLock::~SettingsFileLock() {
    if (held_) {
        ReleaseMutex(mutex_);
    }
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}
