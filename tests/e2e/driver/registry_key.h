// An open registry key, closed when the owner goes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class RegistryKey {
public:
    // Opens or creates root\path for reading and writing; Valid() tells if it worked.
    RegistryKey(HKEY root, const std::string& path) {
        if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) {
            RegCloseKey(key_);
        }
    }

    bool Valid() const { return key_ != nullptr; }

    // name "" is the key's default value.
    bool SetString(const std::string& name, const std::string& value) {
        return key_ && RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }

    std::optional<std::string> GetString(const std::string& name) const {
        char buffer[1024] = {};
        DWORD size = sizeof buffer - 1;
        DWORD type = 0;
        if (!key_ ||
            RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                             &size) != ERROR_SUCCESS ||
            type != REG_SZ) {
            return std::nullopt;
        }
        return std::string(buffer);
    }

private:
    HKEY key_ = nullptr;
};

}  // namespace e2e
