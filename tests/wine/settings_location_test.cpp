// Where the settings live: the probe of the program's folder, the choice between it and
// the user's own folder, and a save into each, against a read-only volume that the Wine
// session mounts at D:\readonly (bare: the program alone; with-ini: the program and a
// settings file; empty: an empty folder).
#include <windows.h>

#include <gtest/gtest.h>

#include "destinations/settings_section.h"
#include "destinations/win32_settings_file.h"
#include "destinations/win32_settings_save.h"
#include "framework/module_path.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/wine/scratch_folder.h"
#include "tests/wine/settings_run.h"

namespace {

const std::string kBare = "D:\\readonly\\bare\\";
const std::string kWithIni = "D:\\readonly\\with-ini\\";
const std::string kEmpty = "D:\\readonly\\empty\\";

// True when D:\readonly is there and refuses writes, as a read-only mount does.
bool ReadOnlyVolumeReady() {
    if (!FileExists(kWithIni + "ravlet.ini")) {
        return false;
    }
    const std::string probe = kEmpty + "probe";
    if (CreateDirectoryA(probe.c_str(), nullptr)) {
        RemoveDirectoryA(probe.c_str());
        return false;
    }
    return true;
}

#define SKIP_WITHOUT_READ_ONLY_VOLUME()                                                       \
    if (!ReadOnlyVolumeReady()) {                                                             \
        GTEST_SKIP() << "D:\\readonly is not a read-only volume (wine-session.sh mounts one " \
                        "when run as root)";                                                  \
    }

FILETIME LastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// One run as far as settings go: locate, fill, maybe add a folder, save.
struct RunResult {
    SettingsFiles files;
    std::vector<std::string> folders;  // the user folders the run showed
    bool saved = false;
};

RunResult RunOnce(const std::string& programFolder, const std::string& perUserFolder,
                  const std::string& add = {}) {
    RunResult result;
    result.files = LocateSettingsFiles(programFolder, perUserFolder);
    result.saved = RunAndSave(result.files, add, &result.folders).saved;
    return result;
}

TEST(ProgramDirectory, IsTheFolderOfTheRunningModule) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string module = path;
    EXPECT_EQ(ProgramDirectory(), module.substr(0, module.find_last_of('\\') + 1));
}

TEST(SettingsProbe, AWritableFolderIsSeenSoAndKeepsItsEntriesAndTheFileItsBytes) {
    ScratchFolder folder;
    const std::string dir = folder.path() + "\\";
    EXPECT_TRUE(CanWriteSettingsFile(dir));
    EXPECT_EQ(EntriesIn(folder.path()), 0);

    ASSERT_TRUE(WriteFileBytes(dir + "ravlet.ini", "[COMBO_BOX]\r\nSELECT=1\r\n"));
    const FILETIME before = LastWrite(dir + "ravlet.ini");
    Sleep(20);
    EXPECT_TRUE(CanWriteSettingsFile(dir));
    EXPECT_EQ(EntriesIn(folder.path()), 1);
    EXPECT_EQ(ReadWholeFile(dir + "ravlet.ini"), "[COMBO_BOX]\r\nSELECT=1\r\n");
    const FILETIME after = LastWrite(dir + "ravlet.ini");
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
}

// Every save makes a new file beside the old one: a folder that takes none cannot be
// written, even though its settings file can be changed (wine-session.sh mounts one).
TEST(SettingsProbe, AFolderThatTakesNoNewFileCannotBeWrittenThoughItsFileCan) {
    const std::string dir = "D:\\pinned\\folder\\";
    const HANDLE ini = CreateFileA((dir + "ravlet.ini").c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool folderTakesFiles = CreateDirectoryA((dir + "probe").c_str(), nullptr) != FALSE;
    RemoveDirectoryA((dir + "probe").c_str());
    if (ini == INVALID_HANDLE_VALUE || folderTakesFiles) {
        CloseHandle(ini);
        GTEST_SKIP() << "D:\\pinned\\folder is not mounted (wine-session.sh does as root)";
    }
    CloseHandle(ini);
    EXPECT_FALSE(CanWriteSettingsFile(dir));
}

// A file held for a moment by another program, even without sharing its deletion, says
// nothing about the rights: the folder stays the settings' place.
TEST(SettingsProbe, AFileHeldByAnotherProgramStillCountsAsWritable) {
    ScratchFolder folder;
    const std::string dir = folder.path() + "\\";
    ASSERT_TRUE(WriteFileBytes(dir + "ravlet.ini", "[COMBO_BOX]\r\n"));
    const HANDLE held =
        CreateFileA((dir + "ravlet.ini").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CanWriteSettingsFile(dir));
    CloseHandle(held);
}

TEST(SettingsProbe, ASettingsFileThatIsAFolderCannotBeWrittenAndTheUsersOwnFileIsUsed) {
    ScratchFolder program, appData;
    const std::string dir = program.path() + "\\";
    ASSERT_TRUE(CreateDirectoryA((dir + "ravlet.ini").c_str(), nullptr));
    EXPECT_FALSE(CanWriteSettingsFile(dir));

    const RunResult run = RunOnce(dir, appData / "ravlet\\", "D:\\added");
    EXPECT_EQ(run.files.savePath, appData / "ravlet\\ravlet.ini");
    EXPECT_TRUE(run.saved);
}

// A save beside the program that fails goes to the user's own file only where the next
// start will read it there: not while a file beside the program stays its choice.
TEST(SettingsLocation, ASaveBesideTheProgramThatFailsGoesWhereTheNextStartReads) {
    for (const bool heldFile : {false, true}) {
        ScratchFolder program, appData;
        const std::string dir = program.path() + "\\";
        const SettingsFiles files = LocateSettingsFiles(dir, appData / "ravlet\\");
        ASSERT_EQ(files.savePath, dir + "ravlet.ini");
        HANDLE held = INVALID_HANDLE_VALUE;
        if (heldFile) {
            // Another program holds the file beside the program.
            ASSERT_TRUE(WriteFileBytes(dir + "ravlet.ini", ""));
            held = CreateFileA((dir + "ravlet.ini").c_str(), GENERIC_READ, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        } else {
            // Something made a folder of that name after the start.
            ASSERT_TRUE(CreateDirectoryA((dir + "ravlet.ini").c_str(), nullptr));
        }

        const SettingsSaveResult result = RunAndSave(files, "D:\\added");
        CloseHandle(held);
        EXPECT_EQ(result.saved, !heldFile);
        EXPECT_EQ(result.path, heldFile ? dir + "ravlet.ini" : appData / "ravlet\\ravlet.ini");
        if (!heldFile) {
            char value[64] = {};
            GetPrivateProfileStringA(kSettingsSectionName, "MENU_000", "", value, sizeof value,
                                     result.path.c_str());
            EXPECT_STREQ(value, "D:\\added");
        }
    }
}

TEST(SettingsProbe, AReadOnlyVolumeIsSeenSoWithOrWithoutASettingsFile) {
    SKIP_WITHOUT_READ_ONLY_VOLUME();
    EXPECT_FALSE(CanWriteSettingsFile(kBare));
    EXPECT_FALSE(CanWriteSettingsFile(kWithIni));
}

TEST(SettingsLocation, AProgramOnAReadOnlyVolumeKeepsItsSettingsInTheUsersFolder) {
    SKIP_WITHOUT_READ_ONLY_VOLUME();
    ScratchFolder appData;
    const std::string perUser = appData / "ravlet\\";

    const RunResult first = RunOnce(kBare, perUser, "D:\\added");
    EXPECT_EQ(first.files.readPath, "");
    EXPECT_EQ(first.files.savePath, perUser + "ravlet.ini");
    EXPECT_TRUE(first.saved);

    const RunResult next = RunOnce(kBare, perUser);
    EXPECT_EQ(next.files.readPath, perUser + "ravlet.ini");
    EXPECT_EQ(next.folders, std::vector<std::string>{"D:\\added"});
    EXPECT_EQ(EntriesIn("D:\\readonly\\bare"), 1) << "only ravlet.exe beside the program";
}

TEST(SettingsLocation, AnAdministratorsFileIsReadUntilTheUsersOwnExists) {
    SKIP_WITHOUT_READ_ONLY_VOLUME();
    ScratchFolder appData;
    const std::string perUser = appData / "ravlet\\";

    const RunResult first = RunOnce(kWithIni, perUser, "D:\\added");
    EXPECT_EQ(first.files.readPath, kWithIni + "ravlet.ini");
    EXPECT_EQ(first.folders, std::vector<std::string>{"C:\\shared"});
    EXPECT_TRUE(first.saved);

    const RunResult next = RunOnce(kWithIni, perUser);
    EXPECT_EQ(next.files.readPath, perUser + "ravlet.ini");
    EXPECT_EQ(next.folders, (std::vector<std::string>{"D:\\added", "C:\\shared"}));
    EXPECT_EQ(ReadWholeFile(kWithIni + "ravlet.ini"),
              "[COMBO_BOX]\r\nMENU_000=C:\\shared\r\nSELECT=3\r\n");
}

TEST(SettingsLocation, WhenNeitherPlaceCanBeWrittenTheSaveSaysSo) {
    SKIP_WITHOUT_READ_ONLY_VOLUME();
    struct Case {
        const char* what;
        std::string programFolder;
        std::optional<std::string> perUser;
        std::string tried;
    };
    const Case cases[] = {
        {"the user's folder cannot be created", kBare, kEmpty + "ravlet\\",
         kEmpty + "ravlet\\ravlet.ini"},
        {"the user's folder is read-only", kBare, kEmpty, kEmpty + "ravlet.ini"},
        {"no folder of the user's: the file beside the program", kWithIni, std::nullopt,
         kWithIni + "ravlet.ini"},
    };
    for (const Case& c : cases) {
        const SettingsFiles files = LocateSettingsFiles(c.programFolder, c.perUser);
        EXPECT_EQ(files.savePath, c.tried) << c.what;
        const SettingsSaveResult result = RunAndSave(files, "D:\\added");
        EXPECT_FALSE(result.saved) << c.what;
        EXPECT_EQ(result.path, c.tried) << c.what;
    }
}

}  // namespace
