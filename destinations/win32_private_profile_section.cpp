#include "destinations/win32_private_profile_section.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// The settings file's values are read into a buffer of this size.
constexpr DWORD kValueBufferSize = 512;
static_assert(ProfileSection::kMaxValueBytes == kValueBufferSize - 2,
              "a value that fills the buffer may have been cut");

}  // namespace

std::optional<std::string> PrivateProfileSection::ReadString(const std::string& key) {
    if (iniPath_.empty()) {
        return std::string();
    }
    char value[kValueBufferSize] = {};
    const DWORD reported = GetPrivateProfileStringA(section_.c_str(), key.c_str(), "", value,
                                                    kValueBufferSize, iniPath_.c_str());
    // A longer value comes back cut and the count says the buffer is full: cut at any
    // byte, or (Wine, for double-byte text) at a whole character with a NUL inside the
    // counted bytes. Either way it is no longer the value that was stored.
    if (reported >= kValueBufferSize - 1) {
        return std::nullopt;
    }
    return std::string(value, strnlen(value, kValueBufferSize));
}

int PrivateProfileSection::ReadInt(const std::string& key, int defaultValue) {
    if (iniPath_.empty()) {
        return defaultValue;
    }
    return static_cast<int>(
        GetPrivateProfileIntA(section_.c_str(), key.c_str(), defaultValue, iniPath_.c_str()));
}

std::vector<std::string> PrivateProfileSection::ReadLines() {
    if (iniPath_.empty()) {
        return {};
    }
    // The section comes as "key=value" lines, each ended by a NUL, the last by two; a
    // buffer that was too small is reported as full (its size - 2), so it grows.
    std::string buffer(4096, '\0');
    for (;;) {
        const DWORD length = GetPrivateProfileSectionA(
            section_.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()), iniPath_.c_str());
        if (length < buffer.size() - 2 || buffer.size() >= 1u << 24) {
            buffer.resize(std::min<size_t>(length, buffer.size()));
            break;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
    std::vector<std::string> lines;
    for (size_t start = 0; start < buffer.size();) {
        const size_t end = std::min(buffer.find('\0', start), buffer.size());
        if (end > start) {
            lines.push_back(buffer.substr(start, end - start));
        }
        start = end + 1;
    }
    return lines;
}

bool PrivateProfileSection::WriteKey(const std::string& key,
                                     const std::optional<std::string>& value) {
    if (iniPath_.empty()) {
        return false;
    }
    // A NULL value deletes the key.
    return WritePrivateProfileStringA(section_.c_str(), key.c_str(),
                                      value ? value->c_str() : nullptr, iniPath_.c_str()) != FALSE;
}
