// One run of the program as far as its settings go: fill the list from the file read,
// maybe add a folder, save.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "destinations/destination_list.h"
#include "destinations/ini_profile_section.h"
#include "destinations/settings_section.h"
#include "destinations/win32_settings_file_content.h"
#include "destinations/win32_settings_save.h"
#include "framework/exact_ansi_spelling.h"
#include "tests/native/destination_test_doubles.h"

// Fills the list as the program's start does: the file read whole, a file left alone
// read as none.
inline void FillFromFile(DestinationList& list, const std::string& path, int wellKnown = 3) {
    SettingsFileContent content = ReadSettingsFileContent(path);
    ini::Document document =
        content.document ? std::move(*content.document) : ini::Document(NewSettingsFileEncoding());
    const ExactAnsiSpelling spelling;
    IniProfileSection settings(document, kSettingsSectionName, spelling);
    list.Fill(WellKnown(wellKnown), settings);
}

// shown, when given, gets the user folders the run showed. The profile functions'
// cache of the saved file is flushed, so the next read comes from the disk.
inline SettingsSaveResult RunAndSave(const SettingsFiles& files, const std::string& add,
                                     std::vector<std::string>* shown = nullptr) {
    FakeDropDownList view;
    DestinationList list{view};
    FillFromFile(list, files.readPath);
    for (int slot = list.fixedCount(); shown != nullptr && slot < list.count(); ++slot) {
        shown->push_back(list.path(slot));
    }
    if (!add.empty()) {
        list.Add(add);
    }
    const SettingsSaveResult result = SaveSettingsFiles(list, files);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, result.path.c_str());
    return result;
}
