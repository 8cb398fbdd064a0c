// A section of a settings file read and written through the Windows profile functions.
#pragma once

#include <string>
#include <vector>

#include "destinations/profile_section.h"

class PrivateProfileSection : public ProfileSection {
public:
    // An empty iniPath is no file: nothing is read, and nothing can be written.
    PrivateProfileSection(std::string iniPath, std::string section)
        : iniPath_(std::move(iniPath)), section_(std::move(section)) {}

    std::optional<std::string> ReadString(const std::string& key) override;
    int ReadInt(const std::string& key, int defaultValue) override;
    std::vector<std::string> ReadLines() override;
    bool WriteKey(const std::string& key, const std::optional<std::string>& value) override;

private:
    std::string iniPath_;
    std::string section_;
};
