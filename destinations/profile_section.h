// One section of a profile ("INI") file, read and written key by key.
#pragma once

#include <string>

class ProfileSection {
public:
    virtual ~ProfileSection() = default;
    // A missing key reads as "".
    virtual std::string ReadString(const std::string& key) = 0;
    virtual int ReadInt(const std::string& key, int defaultValue) = 0;
    // Failures are not reported.
    virtual void WriteString(const std::string& key, const std::string& value) = 0;
};
