// Stand-ins for the destination drop-down list and the settings file section, for
// testing the destination list without windows or files.
#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "destinations/destination_view.h"
#include "destinations/profile_section.h"
#include "destinations/settings_section.h"
#include "destinations/well_known_folder.h"

// Behaves like an unsorted drop-down combo box, as measured on the real control:
// selecting -1 clears the selection, any other index outside the list leaves it as it
// was, and inserting or deleting an item before the selected one moves the selection
// with its item; deleting the selected item leaves nothing selected.
class FakeDropDownList : public DestinationView {
public:
    void AddItem(const std::string& label) override { items.push_back(label); }
    void InsertItem(int index, const std::string& label) override {
        if (index < 0) {
            AddItem(label);
            return;
        }
        if (index > ItemCount()) {
            return;
        }
        items.insert(items.begin() + index, label);
        if (selected >= index) {
            ++selected;
        }
    }
    void DeleteItem(int index) override {
        if (index < 0 || index >= ItemCount()) {
            return;
        }
        items.erase(items.begin() + index);
        if (selected == index) {
            selected = -1;
        } else if (selected > index) {
            --selected;
        }
    }
    int ItemCount() override { return static_cast<int>(items.size()); }
    void Select(int index) override {
        if (index == -1 || (index >= 0 && index < ItemCount())) {
            selected = index;
        }
    }
    int Selection() override { return selected; }

    std::vector<std::string> items;
    int selected = -1;
};

// A settings section in memory that records every read and write in order. Like the
// real file, it gives no value longer than it can read back whole; a value stored as a
// VerbatimFolder is one the code page cannot spell. From the write numbered failFrom
// on (0 the first), every write fails.
class MemoryProfileSection : public ProfileSection {
public:
    std::optional<std::string> ReadString(const std::string& key) override {
        log.push_back("read " + key);
        const auto found = values.find(key);
        if (found == values.end()) {
            return std::string();
        }
        if (found->second.size() > kMaxValueBytes || IsVerbatimFolder(found->second)) {
            return std::nullopt;
        }
        return found->second;
    }
    std::optional<std::string> ReadVerbatim(const std::string& key) override {
        const auto found = values.find(key);
        if (found == values.end() || !IsVerbatimFolder(found->second)) {
            return std::nullopt;
        }
        return found->second;
    }
    int ReadInt(const std::string& key, int defaultValue) override {
        log.push_back("read " + key);
        const auto found = values.find(key);
        return found == values.end() ? defaultValue : std::atoi(found->second.c_str());
    }
    std::vector<std::string> ReadLines() override {
        log.push_back("read section");
        std::vector<std::string> lines;
        for (const auto& [key, value] : values) {
            lines.push_back(key + "=" + value);
        }
        return lines;
    }
    // Logged as "write key=value" or "delete key".
    bool WriteKey(const std::string& key, const std::optional<std::string>& value) override {
        if (writes++ >= failFrom) {
            log.push_back("failed write " + key);
            return false;
        }
        if (value) {
            log.push_back("write " + key + "=" + *value);
            values[key] = *value;
        } else {
            log.push_back("delete " + key);
            values.erase(key);
        }
        return true;
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> log;
    int writes = 0;
    int failFrom = 1 << 30;
};

// n well-known folders, "既知0" at "C:\known0" and so on. The label is written in
// Shift-JIS bytes, so that every compiler gives the program's bytes.
inline std::vector<WellKnownFolder> WellKnown(int n) {
    std::vector<WellKnownFolder> folders;
    for (int i = 0; i < n; ++i) {
        folders.push_back(
            {"\x8A\xF9\x92\x6D" + std::to_string(i), "C:\\known" + std::to_string(i)});
    }
    return folders;
}
