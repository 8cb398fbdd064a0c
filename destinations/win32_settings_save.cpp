#include "destinations/win32_settings_save.h"

#include <windows.h>

#include "destinations/settings_section.h"
#include "destinations/win32_private_profile_section.h"
#include "destinations/win32_settings_file_lock.h"
#include "framework/file_kind.h"

namespace {

// A settings file is a few kilobytes; anything much larger is not copied.
constexpr DWORD kMaxCopiedBytes = 1 << 20;

bool ReadSmallFile(const std::string& path, std::string& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const DWORD size = GetFileSize(file, nullptr);
    bytes.assign(size == INVALID_FILE_SIZE || size > kMaxCopiedBytes ? 0 : size, '\0');
    DWORD read = 0;
    const bool whole = size != INVALID_FILE_SIZE && size <= kMaxCopiedBytes &&
                       (size == 0 || ReadFile(file, bytes.data(), size, &read, nullptr)) &&
                       read == size;
    CloseHandle(file);
    return whole;
}

bool SaveInto(DestinationList& destinations, const std::string& readPath,
              const std::string& savePath, const std::string& folderToCreate) {
    const SettingsFileLock lock(savePath);
    if (!CreateSettingsFolder(folderToCreate)) {
        return false;
    }
    CopySettingsFileRead(readPath, savePath);
    PrivateProfileSection settings(savePath, kSettingsSectionName);
    return destinations.Save(settings);
}

}  // namespace

bool CopySettingsFileRead(const std::string& readPath, const std::string& savePath) {
    std::string bytes;
    if (readPath.empty() || savePath.empty() || readPath == savePath ||
        !ReadSmallFile(readPath, bytes)) {
        return false;
    }
    // Not CopyFile: the copy gets none of the original's attributes, such as read-only.
    const HANDLE file = CreateFileA(savePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool whole =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    // Half a copy would be worse than none: the save then starts an empty file.
    if (!whole) {
        DeleteFileA(savePath.c_str());
    }
    return whole;
}

SettingsSaveResult SaveSettingsFiles(DestinationList& destinations, const SettingsFiles& files) {
    if (files.savePath.empty()) {
        return {true, {}};
    }
    if (SaveInto(destinations, files.readPath, files.savePath, files.folderToCreate)) {
        return {true, files.savePath};
    }
    // A file left beside the program is what the next start reads: a save elsewhere
    // would be reported as done and never seen again, so the user is told instead.
    if (files.fallbackSavePath.empty() || IsFile(files.savePath)) {
        return {false, files.savePath};
    }
    return {SaveInto(destinations, files.readPath, files.fallbackSavePath,
                     files.fallbackFolderToCreate),
            files.fallbackSavePath};
}
