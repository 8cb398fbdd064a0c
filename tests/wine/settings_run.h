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
#include "framework/windows_system_code_page.h"
#include "tests/native/destination_test_doubles.h"

// A UTF-16 LE file with its byte-order mark.
inline std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Fills the list as the program's start does: the file read whole, a file left alone
// read as none.
inline void FillFromFile(DestinationList& list, const std::string& path, int wellKnown = 3) {
    SettingsFileContent content = ReadSettingsFileContent(path);
    ini::Document document =
        content.document ? std::move(*content.document) : ini::Document(ini::Encoding::CodePage);
    const ExactAnsiSpelling spelling;
    IniProfileSection settings(document, kSettingsSectionName, spelling);
    list.Fill(WellKnown(wellKnown), settings);
}

// The system the tests run on unless they say otherwise, whatever the locale of the run.
inline const WindowsSystemCodePage kJapaneseSystem(kShiftJisSystemCodePage);

// shown, when given, gets the user folders the run showed. The profile functions'
// cache of the saved file is flushed, so the next read comes from the disk.
inline SettingsSaveResult RunAndSave(const SettingsFiles& files, const std::string& add,
                                     std::vector<std::string>* shown = nullptr,
                                     const SystemCodePage& system = kJapaneseSystem) {
    FakeDropDownList view;
    DestinationList list{view};
    FillFromFile(list, files.readPath);
    for (int slot = list.fixedCount(); shown != nullptr && slot < list.count(); ++slot) {
        shown->push_back(list.path(slot));
    }
    if (!add.empty()) {
        list.Add(add);
    }
    const SettingsSaveResult result = SaveSettingsFiles(list, files, system);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, result.path.c_str());
    return result;
}
