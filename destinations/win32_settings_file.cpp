#include "destinations/win32_settings_file.h"

#include "destinations/settings_file_choice.h"
#include "destinations/win32_shell_folders.h"
#include "framework/exact_ansi.h"
#include "framework/file_kind.h"
#include "framework/path_names.h"

namespace {

// The save replaces the file whole (ReplaceFileW), which needs the right to write and
// to delete it; a link is never replaced.
bool CanReplace(const std::string& path) {
    const HANDLE file =
        CreateFileW(WideFromAnsi(path).c_str(), GENERIC_WRITE | DELETE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // Another program holding the file for a moment says nothing about the rights.
        return GetLastError() == ERROR_SHARING_VIOLATION &&
               !(GetFileAttributesW(WideFromAnsi(path).c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    }
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool link = !GetFileInformationByHandle(file, &info) ||
                      (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
    CloseHandle(file);
    return !link;
}

bool CanCreateFileIn(const std::string& folder) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string probe = folder + "ravlet-" + std::to_string(GetCurrentProcessId()) + "-" +
                                  std::to_string(GetTickCount() + attempt) + ".tmp";
        // Named as the save names its new file beside ravlet.ini, which may pass MAX_PATH
        // where ravlet.ini does not.
        const HANDLE file = CreateFileW(
            NameBeside(WideFromAnsi(probe), L"").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
    }
    return false;
}

std::string PlacePath(SettingsPlace place, const std::string& programDirectory,
                      const std::string& perUserFolder) {
    switch (place) {
        case SettingsPlace::BesideProgram:
            return IniPath(programDirectory);
        case SettingsPlace::PerUser:
            return perUserFolder + kSettingsFileName;
        case SettingsPlace::None:
            break;
    }
    return {};
}

}  // namespace

bool CanWriteSettingsFile(const std::string& folder) {
    // Every save makes a new file beside the old one, so the folder must take one even
    // when the file is there already.
    const std::string ini = IniPath(folder);
    if (IsFile(ini)) {
        return CanReplace(ini) && CanCreateFileIn(folder);
    }
    // A folder of that name (or anything else that is no file) would fail every save;
    // only a missing file can be created.
    const bool missing = GetFileAttributesW(WideFromAnsi(ini).c_str()) == INVALID_FILE_ATTRIBUTES &&
                         GetLastError() == ERROR_FILE_NOT_FOUND;
    return missing && CanCreateFileIn(folder);
}

std::optional<std::string> PerUserSettingsFolder(const std::string& appData) {
    if (appData.empty()) {
        return std::nullopt;
    }
    return appData + "\\" + kPerUserSettingsFolder + "\\";
}

SettingsFiles LocateSettingsFiles(const std::optional<std::string>& programDirectory,
                                  const std::optional<std::string>& perUserFolder) {
    SettingsPlaces places;
    places.programFolderKnown = programDirectory.has_value();
    places.perUserFolderKnown = perUserFolder.has_value();
    if (programDirectory) {
        places.fileBesideProgram = IsFile(IniPath(*programDirectory));
        places.programFolderWritable = CanWriteSettingsFile(*programDirectory);
    }
    if (perUserFolder) {
        places.perUserFile = IsFile(*perUserFolder + kSettingsFileName);
    }
    const SettingsFileChoice choice = ChooseSettingsFile(places);

    const std::string program = programDirectory.value_or(std::string());
    const std::string perUser = perUserFolder.value_or(std::string());
    SettingsFiles files;
    files.readPath = PlacePath(choice.readFrom, program, perUser);
    files.savePath = PlacePath(choice.saveTo, program, perUser);
    if (choice.saveTo == SettingsPlace::PerUser) {
        files.folderToCreate = perUser;
    } else if (choice.saveTo == SettingsPlace::BesideProgram && perUserFolder) {
        files.fallbackSavePath = PlacePath(SettingsPlace::PerUser, program, perUser);
        files.fallbackFolderToCreate = perUser;
    }
    return files;
}

bool CreateSettingsFolder(const std::string& folderToCreate) {
    return folderToCreate.empty() ||
           CreateDirectoryW(WideFromAnsi(folderToCreate).c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}
