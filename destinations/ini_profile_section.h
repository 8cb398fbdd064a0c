// A section of a settings file held in memory as the file's own lines: read as the
// profile functions read it, changed key by key, written back whole by the caller.
#pragma once

#include <string>
#include <vector>

#include "destinations/profile_section.h"
#include "ini/ini_document.h"
#include "text/code_page_spelling.h"

class IniProfileSection : public ProfileSection {
public:
    IniProfileSection(ini::Document& document, std::string section,
                      const CodePageSpelling& spelling)
        : document_(document), section_(std::move(section)), spelling_(spelling) {}

    std::optional<std::string> ReadString(const std::string& key) override;
    std::optional<std::string> ReadVerbatim(const std::string& key) override;
    int ReadInt(const std::string& key, int defaultValue) override;
    std::vector<std::string> ReadLines() override;
    bool WriteKey(const std::string& key, const std::optional<std::string>& value) override;

private:
    ini::Document& document_;
    std::string section_;
    const CodePageSpelling& spelling_;
};
