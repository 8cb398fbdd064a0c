#include "destinations/win32_private_profile_section.h"

#include <windows.h>

namespace {

// The settings file's values are read into a buffer of this size, so a longer value
// comes back cut to 511 bytes.
constexpr DWORD kValueBufferSize = 512;

}  // namespace

std::string PrivateProfileSection::ReadString(const std::string& key) {
    char value[kValueBufferSize] = {};
    const DWORD length = GetPrivateProfileStringA(section_.c_str(), key.c_str(), "", value,
                                                  kValueBufferSize, iniPath_.c_str());
    return std::string(value, length < kValueBufferSize ? length : kValueBufferSize - 1);
}

int PrivateProfileSection::ReadInt(const std::string& key, int defaultValue) {
    return static_cast<int>(
        GetPrivateProfileIntA(section_.c_str(), key.c_str(), defaultValue, iniPath_.c_str()));
}

void PrivateProfileSection::WriteString(const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(section_.c_str(), key.c_str(), value.c_str(), iniPath_.c_str());
}
