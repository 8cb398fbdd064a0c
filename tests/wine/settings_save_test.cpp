// A save into another file than the one read, and the lock that two runs share.
#include <windows.h>

#include <gtest/gtest.h>

#include "destinations/settings_section.h"
#include "destinations/win32_settings_file_lock.h"
#include "destinations/win32_settings_save.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/wine/scratch_folder.h"
#include "tests/wine/settings_run.h"

namespace {

const char kAdministratorsFile[] =
    "[COMBO_BOX]\r\n; set up by the office\r\nMENU_000=C:\\shared\r\nLATER=1\r\n"
    "MENU_001=C:\\old\r\nSELECT=3\r\n[POLICY]\r\nP=2\r\n";

// The other keys and sections, comments too, come along; the program's own keys are
// this run's.
const char kCarriedOver[] =
    "[COMBO_BOX]\r\n; set up by the office\r\nMENU_000=D:\\added\r\nLATER=1\r\n"
    "MENU_001=C:\\shared\r\nSELECT=3\r\nMENU_002=C:\\old\r\nSELECT_PATH=3|D:\\added\r\n"
    "[POLICY]\r\nP=2\r\n";

TEST(SettingsCarryOver, TheFirstSaveToTheUsersOwnFileKeepsTheOtherKeysOfTheFileRead) {
    ScratchFolder program, appData;
    SettingsFiles files;
    files.readPath = program / "ravlet.ini";
    files.savePath = appData / "ravlet\\ravlet.ini";
    files.folderToCreate = appData / "ravlet\\";
    ASSERT_TRUE(WriteFileBytes(files.readPath, kAdministratorsFile));
    SetFileAttributesA(files.readPath.c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_TRUE(RunAndSave(files, "D:\\added").saved);
    EXPECT_EQ(ReadWholeFile(files.savePath), kCarriedOver);
    EXPECT_EQ(GetFileAttributesA(files.savePath.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(ReadWholeFile(files.readPath), kAdministratorsFile);
}

TEST(SettingsFileLock, OneNamePerFileWhateverTheCaseOfItsPath) {
    const std::string name = SettingsLockName("C:\\Users\\Taro\\ravlet\\ravlet.ini");
    EXPECT_EQ(name.rfind("Local\\", 0), 0u);
    EXPECT_EQ(name.find('\\', 6), std::string::npos);
    EXPECT_EQ(SettingsLockName("c:\\USERS\\taro\\RAVLET\\Ravlet.INI"), name);
    EXPECT_NE(SettingsLockName("C:\\Users\\Hanako\\ravlet\\ravlet.ini"), name);
    EXPECT_NE(SettingsLockName("C:\\ソフト\\ravlet.ini"),
              SettingsLockName("C:\\ソフト\\ravlet.inj"));
}

TEST(SettingsFileLock, ALockThatCannotBeMadeDoesNotStopTheSave) {
    ScratchFolder folder;
    SettingsFiles files;
    files.readPath = files.savePath = folder / "ravlet.ini";
    // Another object of that name: no mutex can be made.
    const HANDLE squatter =
        CreateEventA(nullptr, TRUE, FALSE, SettingsLockName(files.savePath).c_str());
    ASSERT_NE(squatter, nullptr);
    {
        const SettingsFileLock lock(files.savePath);
        EXPECT_FALSE(lock.held());
    }
    EXPECT_TRUE(RunAndSave(files, "D:\\added").saved);
    CloseHandle(squatter);
}

}  // namespace
