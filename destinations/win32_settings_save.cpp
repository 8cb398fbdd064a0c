#include "destinations/win32_settings_save.h"

#include <windows.h>

#include "destinations/ini_profile_section.h"
#include "destinations/settings_file_encoding.h"
#include "destinations/settings_section.h"
#include "destinations/win32_settings_file_content.h"
#include "destinations/win32_settings_file_lock.h"
#include "framework/exact_ansi.h"
#include "framework/exact_ansi_spelling.h"
#include "framework/file_kind.h"
#include "framework/whole_file_write.h"

namespace {

// A file that keeps appearing between the read and the write is another program's
// doing; the save gives up after this many rounds.
constexpr int kSaveRounds = 3;

// The document a new settings file starts from: the file this run read, in its own
// encoding, when it can be read, else nothing in the encoding of a new file.
ini::Document CarriedOver(const std::string& readPath, const std::string& savePath,
                          ini::Encoding newFileEncoding) {
    if (!readPath.empty() && readPath != savePath) {
        SettingsFileContent read = ReadSettingsFileContent(readPath);
        if (read.exists && read.document) {
            return std::move(*read.document);
        }
    }
    return ini::Document(newFileEncoding);
}

SettingsSaveResult SaveInto(DestinationList& destinations, const std::string& readPath,
                            const std::string& savePath, const std::string& folderToCreate,
                            ini::Encoding newFileEncoding) {
    const SettingsFileLock lock(savePath);
    if (!CreateSettingsFolder(folderToCreate)) {
        return {false, savePath, std::nullopt};
    }
    const ExactAnsiSpelling spelling;
    for (int round = 0; round < kSaveRounds; ++round) {
        SettingsFileContent content = ReadSettingsFileContent(savePath);
        if (content.refusal) {
            return {false, savePath, content.refusal};
        }
        if (content.exists && !content.document) {
            return {false, savePath, std::nullopt};
        }
        ini::Document document = content.exists ? std::move(*content.document)
                                                : CarriedOver(readPath, savePath, newFileEncoding);
        IniProfileSection settings(document, kSettingsSectionName, spelling);
        if (!destinations.Save(settings)) {
            return {false, savePath, std::nullopt};
        }
        const WholeFileResult written =
            WriteFileWhole(WideFromAnsi(savePath), document.Bytes(), content.exists);
        // A file that appeared meanwhile is read and merged like any other.
        if (written.outcome != WholeFileOutcome::TargetAppeared) {
            return {written.outcome == WholeFileOutcome::Written, savePath, std::nullopt};
        }
    }
    return {false, savePath, std::nullopt};
}

}  // namespace

SettingsSaveResult SaveSettingsFiles(DestinationList& destinations, const SettingsFiles& files,
                                     const SystemCodePage& system) {
    if (files.savePath.empty()) {
        return {true, {}, std::nullopt};
    }
    const ini::Encoding newFileEncoding = NewSettingsFileEncoding(system);
    SettingsSaveResult result = SaveInto(destinations, files.readPath, files.savePath,
                                         files.folderToCreate, newFileEncoding);
    // A file left beside the program is what the next start reads: a save elsewhere
    // would be reported as done and never seen again, so the user is told instead.
    if (result.saved || files.fallbackSavePath.empty() || IsFile(files.savePath)) {
        return result;
    }
    return SaveInto(destinations, files.readPath, files.fallbackSavePath,
                    files.fallbackFolderToCreate, newFileEncoding);
}
