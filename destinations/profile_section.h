// One section of a profile ("INI") file: read key by key, written whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class ProfileSection {
public:
    // Values of up to this many bytes are read back whole.
    static constexpr size_t kMaxValueBytes = 510;

    virtual ~ProfileSection() = default;
    // A missing key reads as "". A value that cannot be read back whole (longer than
    // kMaxValueBytes) reads as nullopt, never as a cut text.
    virtual std::optional<std::string> ReadString(const std::string& key) = 0;
    virtual int ReadInt(const std::string& key, int defaultValue) = 0;
    // The section's lines ("key=value") as the file holds them now; none for a missing
    // file or section.
    virtual std::vector<std::string> ReadLines() = 0;
    // Replaces the whole section in one write, keeping the file's other sections. False
    // when the file could not be written.
    virtual bool ReplaceLines(const std::vector<std::string>& lines) = 0;
};
