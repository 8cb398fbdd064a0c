#include "destinations/win32_settings_save.h"

#include <windows.h>

#include "destinations/settings_section.h"
#include "destinations/win32_private_profile_section.h"
#include "destinations/win32_settings_file_lock.h"
#include "framework/exact_ansi.h"
#include "framework/file_bytes.h"
#include "framework/file_kind.h"

namespace {

// A settings file is a few kilobytes; anything much larger is not copied.
constexpr size_t kMaxCopiedBytes = 1 << 20;

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
    if (readPath.empty() || savePath.empty() || readPath == savePath) {
        return false;
    }
    const std::optional<std::string> bytes =
        ReadFileStart(WideFromAnsi(readPath), kMaxCopiedBytes + 1);
    if (!bytes || bytes->size() > kMaxCopiedBytes) {
        return false;
    }
    // Not CopyFile: the copy gets none of the original's attributes, such as read-only.
    const HANDLE file = CreateFileW(WideFromAnsi(savePath).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool whole =
        WriteFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &written, nullptr) &&
        written == bytes->size();
    CloseHandle(file);
    // Half a copy would be worse than none: the save then starts an empty file.
    if (!whole) {
        DeleteFileW(WideFromAnsi(savePath).c_str());
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
