// One section of a settings ("INI") file, read and written key by key, so that every line
// the program does not own stays as the user or another program left it.
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
    // kMaxValueBytes, which earlier versions cut) or that the code page cannot spell
    // reads as nullopt, never as a cut text or a look-alike.
    virtual std::optional<std::string> ReadString(const std::string& key) = 0;
    // For a value the code page cannot spell, the value as the file holds it, tagged
    // with the file's encoding (see VerbatimFolder); nullopt for any other key.
    virtual std::optional<std::string> ReadVerbatim(const std::string& key) = 0;
    virtual int ReadInt(const std::string& key, int defaultValue) = 0;
    // The section's lines ("key=value") as the file holds them now; none for a missing
    // file or section.
    virtual std::vector<std::string> ReadLines() = 0;
    // Sets one key, or deletes it for nullopt; the section's other lines stay. A value
    // ReadVerbatim gave is written back as it was. False when the file could not be
    // written.
    virtual bool WriteKey(const std::string& key, const std::optional<std::string>& value) = 0;
};
