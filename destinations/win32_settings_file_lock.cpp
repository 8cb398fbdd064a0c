#include "destinations/win32_settings_file_lock.h"

#include <cstdint>
#include <vector>

namespace {

constexpr DWORD kLockWaitMilliseconds = 2000;

}  // namespace

std::string SettingsLockName(const std::string& iniPath) {
    // File names are compared without case, also beyond ASCII: the path is upper-cased
    // as UTF-16, whole characters at a time.
    std::vector<wchar_t> wide(iniPath.size() + 1);
    const int length =
        MultiByteToWideChar(CP_ACP, 0, iniPath.data(), static_cast<int>(iniPath.size()),
                            wide.data(), static_cast<int>(wide.size()));
    CharUpperBuffW(wide.data(), static_cast<DWORD>(length));
    // 64-bit FNV-1a over the UTF-16 units.
    uint64_t hash = 14695981039346656037ull;
    for (int i = 0; i < length; ++i) {
        hash = (hash ^ static_cast<uint16_t>(wide[static_cast<size_t>(i)])) * 1099511628211ull;
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
