// One section of a profile ("INI") file, read and written key by key.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

class ProfileSection {
public:
    // Values of up to this many bytes are read back whole.
    static constexpr size_t kMaxValueBytes = 510;

    virtual ~ProfileSection() = default;
    // A missing key reads as "". A value that cannot be read back whole (longer than
    // kMaxValueBytes) reads as nullopt, never as a cut text.
    virtual std::optional<std::string> ReadString(const std::string& key) = 0;
    virtual int ReadInt(const std::string& key, int defaultValue) = 0;
    // Failures are not reported.
    virtual void WriteString(const std::string& key, const std::string& value) = 0;
};
