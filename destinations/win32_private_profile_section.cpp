#include "destinations/win32_private_profile_section.h"

#include <windows.h>

#include <cstring>

namespace {

// The settings file's values are read into a buffer of this size.
constexpr DWORD kValueBufferSize = 512;
static_assert(ProfileSection::kMaxValueBytes == kValueBufferSize - 2,
              "a value that fills the buffer may have been cut");

}  // namespace

std::optional<std::string> PrivateProfileSection::ReadString(const std::string& key) {
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
    return static_cast<int>(
        GetPrivateProfileIntA(section_.c_str(), key.c_str(), defaultValue, iniPath_.c_str()));
}

void PrivateProfileSection::WriteString(const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(section_.c_str(), key.c_str(), value.c_str(), iniPath_.c_str());
}
