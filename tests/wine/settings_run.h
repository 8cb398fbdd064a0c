// One run of the program as far as its settings go: fill the list from the file read,
// maybe add a folder, save.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "destinations/destination_list.h"
#include "destinations/settings_section.h"
#include "destinations/win32_private_profile_section.h"
#include "destinations/win32_settings_save.h"
#include "tests/native/destination_test_doubles.h"

// shown, when given, gets the user folders the run showed. The profile functions'
// cache of the saved file is flushed, so the next read comes from the disk.
inline SettingsSaveResult RunAndSave(const SettingsFiles& files, const std::string& add,
                                     std::vector<std::string>* shown = nullptr) {
    FakeDropDownList view;
    DestinationList list{view};
    PrivateProfileSection read(files.readPath, kSettingsSectionName);
    list.Fill(WellKnown(3), read);
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
