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

// A file the save makes is code-page text on a Japanese system, as ever, and UTF-16 with
// its mark on any other, where Windows' own reader gives the folder back; a file that
// exists keeps its encoding, and so does the one a new file copies. "José" and "Café
// Noir" that an older copy wrote in code page 1252 are no Shift-JIS: not offered, and
// kept as they were.
TEST(SettingsFileEncoding, ANewFileFollowsTheSystemAndAnExistingOrCopiedOneKeepsItsOwn) {
    enum class Read { Nothing, ItsOwnFile, AnotherFile };
    struct Case {
        const char* what;
        unsigned system;
        Read read;
        std::string before;
        const char* add;
        std::string after;
        std::u16string menu000;
    };
    const Case cases[] = {
        {"932, a new file", 932, Read::Nothing, "", "D:\\予定表",
         "[COMBO_BOX]\r\nMENU_000=D:\\予定表\r\nSELECT=3\r\nSELECT_PATH=3|D:\\予定表\r\n",
         u"D:\\予定表"},
        {"1252, a new file", 1252, Read::Nothing, "", "D:\\予定表",
         Utf16File(u"[COMBO_BOX]\r\nMENU_000=D:\\予定表\r\nSELECT=3\r\n"
                   u"SELECT_PATH=3|D:\\予定表\r\n"),
         u"D:\\予定表"},
        {"1252, a code-page file with an older copy's folder", 1252, Read::ItsOwnFile,
         "[COMBO_BOX]\r\nMENU_000=C:\\Users\\Jos\xE9\r\nMENU_001=D:\\Caf\xE9 Noir\r\nSELECT=0\r\n",
         "D:\\予定表",
         "[COMBO_BOX]\r\nMENU_000=D:\\予定表\r\nMENU_001=C:\\Users\\Jos\xE9\r\nSELECT=3\r\n"
         "MENU_002=D:\\Caf\xE9 Noir\r\nSELECT_PATH=3|D:\\予定表\r\n",
         u"D:\\予定表"},
        {"1252, an administrator's code-page file copied", 1252, Read::AnotherFile,
         kAdministratorsFile, "D:\\added", kCarriedOver, u"D:\\added"},
        {"932, an administrator's UTF-16 file copied", 932, Read::AnotherFile,
         Utf16File(u"[COMBO_BOX]\r\nMENU_000=C:\\shared\r\n"), "D:\\added",
         Utf16File(u"[COMBO_BOX]\r\nMENU_000=D:\\added\r\nMENU_001=C:\\shared\r\nSELECT=3\r\n"
                   u"SELECT_PATH=3|D:\\added\r\n"),
         u"D:\\added"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder program, appData;
        SettingsFiles files;
        files.savePath = program / "ravlet.ini";
        if (c.read == Read::ItsOwnFile) {
            files.readPath = files.savePath;
        } else if (c.read == Read::AnotherFile) {
            files.readPath = files.savePath;
            files.savePath = appData / "ravlet\\ravlet.ini";
            files.folderToCreate = appData / "ravlet\\";
        }
        if (!files.readPath.empty()) {
            ASSERT_TRUE(WriteFileBytes(files.readPath, c.before));
        }
        std::vector<std::string> shown;
        ASSERT_TRUE(RunAndSave(files, c.add, &shown, WindowsSystemCodePage(c.system)).saved);
        if (c.read == Read::ItsOwnFile) {
            EXPECT_TRUE(shown.empty());
        }
        EXPECT_EQ(ReadWholeFile(files.savePath), c.after);
        wchar_t value[64] = {};
        GetPrivateProfileStringW(
            L"COMBO_BOX", L"MENU_000", L"", value, 64,
            std::wstring(files.savePath.begin(), files.savePath.end()).c_str());
        EXPECT_EQ(std::u16string(value, value + wcslen(value)), c.menu000);
    }
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
