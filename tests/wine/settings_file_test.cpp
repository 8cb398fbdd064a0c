// The destination list over real settings files and a real drop-down combo box; the
// profile functions, Windows' own reader, check what was saved.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "destinations/destination_list.h"
#include "destinations/win32_combo_box_destination_view.h"
#include "destinations/win32_settings_save.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/shared/settings_keys.h"
#include "tests/wine/hidden_combo_box.h"
#include "tests/wine/scratch_folder.h"
#include "tests/wine/settings_run.h"

namespace {

const char kKeptSettings[] = "[COMBO_BOX]\r\nMENU_000=D:\\kept\r\nSELECT=3\r\n";

// One run of the program as far as destinations go: a hidden dialog-like window with
// the unsorted drop-down list, filled from the settings file.
class ProgramRun {
public:
    ProgramRun(const std::string& iniPath, int wellKnown)
        : view_(combo_.box()), list_(view_), iniPath_(iniPath) {
        FillFromFile(list_, iniPath, wellKnown);
    }
    DestinationList& list() { return list_; }
    ComboBoxDestinationView& view() { return view_; }
    bool Save() {
        SettingsFiles files;
        files.readPath = files.savePath = iniPath_;
        return SaveSettingsFiles(list_, files, kJapaneseSystem).saved;
    }
    std::string ItemText(int index) const { return combo_.ItemText(index); }

private:
    HiddenComboBox combo_;
    ComboBoxDestinationView view_;
    DestinationList list_;
    std::string iniPath_;
};

class SettingsFileTest : public ::testing::Test {
protected:
    void Store(const std::string& key, const std::string& value) {
        ASSERT_TRUE(
            WritePrivateProfileStringA(kSettingsSection, key.c_str(), value.c_str(), ini.c_str()));
    }
    std::string Stored(const std::string& key) {
        char value[4096];
        GetPrivateProfileStringA(kSettingsSection, key.c_str(), "<missing>", value, sizeof value,
                                 ini.c_str());
        return value;
    }
    // Makes the next read come from the disk, not from the profile cache.
    void FlushProfileCache() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str()); }

    ScratchFolder folder;
    std::string ini = folder / "ravlet.ini";
};

TEST_F(SettingsFileTest, WithoutASettingsFileOnlyTheWellKnownFoldersAreListed) {
    ProgramRun run(ini, 4);
    EXPECT_EQ(run.list().count(), 4);
    EXPECT_EQ(run.view().ItemCount(), 4);
    EXPECT_EQ(run.view().Selection(), 0);
    EXPECT_EQ(run.ItemText(0), "既知0");
    // Reading creates no file.
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsFileTest, ASavedSelectionOutsideTheListSelectsItemZero) {
    struct Case {
        const char* saved;
        int selected;
    };
    Store("MENU_000", "D:\\a");
    Store("MENU_001", "D:\\b");
    for (const Case& c : {Case{"7", 0}, Case{"6", 0}, Case{"-1", 0}, Case{"5", 5}}) {
        Store("SELECT", c.saved);
        ProgramRun run(ini, 4);  // 6 items
        EXPECT_EQ(run.view().Selection(), c.selected) << c.saved;
    }
}

TEST_F(SettingsFileTest, AnEmptyFirstKeyHidesTheFoldersBehindIt) {
    Store("MENU_000", "");
    Store("MENU_001", "D:\\b");
    ProgramRun run(ini, 3);
    EXPECT_EQ(run.list().count(), 3);
}

// Wine's profile functions keep comments and bare keys as they are; they would drop
// blank lines and the blanks around "=", which this file has none of.
TEST_F(SettingsFileTest, ASaveChangesOnlyTheProgramsOwnKeysAndKeepsEveryOtherLine) {
    ASSERT_TRUE(
        WriteFileBytes(ini,
                       "[EARLIER]\r\nA=1\r\n"
                       "[COMBO_BOX]\r\n; folders shared by the team\r\nMENU_000=D:\\old0\r\n"
                       "FOO=bar\r\nbare key\r\nMENU_001=D:\\old1\r\nMENU_017=D:\\stale\r\n"
                       "MENU_020=D:\\later\r\nMENU_150=D:\\later2\r\nSELECT=4\r\n"
                       "[LATER]\r\nB=2\r\n"
                       "[COMBO_BOX]\r\nSECOND=2\r\n"));
    {
        ProgramRun run(ini, 4);
        run.list().Add("D:\\new");
        ASSERT_TRUE(run.Save());
    }
    FlushProfileCache();
    EXPECT_EQ(ReadWholeFile(ini),
              "[EARLIER]\r\nA=1\r\n"
              "[COMBO_BOX]\r\n; folders shared by the team\r\nMENU_000=D:\\new\r\n"
              "FOO=bar\r\nbare key\r\nMENU_001=D:\\old0\r\n"
              "MENU_020=D:\\later\r\nMENU_150=D:\\later2\r\nSELECT=4\r\n"
              "MENU_002=D:\\old1\r\nSELECT_PATH=4|D:\\new\r\n"
              "[LATER]\r\nB=2\r\n"
              "[COMBO_BOX]\r\nSECOND=2\r\n");

    ProgramRun later(ini, 3);
    EXPECT_EQ(later.list().count(), 6);
    EXPECT_EQ(later.view().Selection(), 3);
}

TEST_F(SettingsFileTest, AJapanesePathSurvivesSaveAndLoadByteForByte) {
    // The trail byte of "ソ" and "表" is 0x5C, a backslash.
    const std::string path = "C:\\ソフト\\表\\予定表";
    {
        ProgramRun run(ini, 3);
        run.list().Add(path);
        run.Save();
    }
    FlushProfileCache();
    // Stored in the ANSI code page, as other programs expect of a profile file.
    EXPECT_NE(ReadWholeFile(ini).find("MENU_000=" + path), std::string::npos);

    ProgramRun later(ini, 3);
    EXPECT_EQ(later.list().path(3), path);
    EXPECT_EQ(later.ItemText(3), path);
    EXPECT_EQ(later.list().SelectedFolder(), path);
}

// Values longer than the read buffer come back cut (Wine cuts double-byte text at a
// whole character and still says the buffer is full). A cut folder is never used;
// the folders behind it stay, now and after the next save.
TEST_F(SettingsFileTest, ALongStoredValueIsPassedOverAndTheFoldersBehindItKept) {
    struct Case {
        const char* what;
        std::string value;
    };
    std::string japanese = "D:\\";
    while (japanese.size() < 600) {
        japanese += "表ソ";
    }
    const Case cases[] = {
        {"double-byte folder", japanese},
        {"ASCII folder of 511 bytes", "D:\\" + std::string(508, 'b')},
    };
    for (const Case& c : cases) {
        Store("MENU_000", "D:\\a");
        Store("MENU_001", c.value);
        Store("MENU_002", "D:\\c");
        Store("SELECT", "3");
        {
            ProgramRun run(ini, 3);
            EXPECT_EQ(run.list().count(), 5) << c.what;
            EXPECT_EQ(run.ItemText(3), "D:\\a") << c.what;
            EXPECT_EQ(run.ItemText(4), "D:\\c") << c.what;
            EXPECT_EQ(run.list().path(4), "D:\\c") << c.what;
            run.Save();
        }
        FlushProfileCache();
        ProgramRun later(ini, 3);
        EXPECT_EQ(later.list().count(), 5) << c.what;
        EXPECT_EQ(later.list().path(4), "D:\\c") << c.what;
    }
}

TEST_F(SettingsFileTest, ASettingsFileInAMissingFolderIsNotSavedAndTheSaveSaysSo) {
    const std::string missing = folder / "missing\\ravlet.ini";
    {
        ProgramRun run(missing, 3);
        run.list().Add("D:\\new");
        EXPECT_FALSE(run.Save());
    }
    EXPECT_EQ(GetFileAttributesA((folder / "missing").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsFileTest, ASettingsFileHeldOpenByAnotherProgramIsNotSavedAndTheSaveSaysSo) {
    ASSERT_TRUE(WriteFileBytes(ini, kKeptSettings));
    ProgramRun run(ini, 3);
    run.list().Add("D:\\new");
    const HANDLE held = CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(run.Save());
    CloseHandle(held);
    EXPECT_EQ(ReadWholeFile(ini), kKeptSettings);
}

// Notepad's "UTF-16 LE" and new Notepad's UTF-8 without a mark: read as what they say,
// written back in the same encoding. "¥" has no Shift-JIS spelling; the profile
// functions' "A" calls would give it as "\", another folder.
TEST_F(SettingsFileTest, AUnicodeFileIsReadAndWrittenInItsOwnEncoding) {
    struct Case {
        const char* what;
        std::string before;
        std::vector<std::string> offered;
        std::string after;
    };
    const Case cases[] = {
        {"UTF-16 LE",
         Utf16File(u"[COMBO_BOX]\r\nMENU_000=D:\\Mail¥Archive\r\nMENU_001=D:\\b\r\n"),
         {"D:\\b"},
         Utf16File(u"[COMBO_BOX]\r\nMENU_000=D:\\new\r\nMENU_001=D:\\Mail¥Archive\r\n"
                   u"MENU_002=D:\\b\r\nSELECT=3\r\nSELECT_PATH=3|D:\\new\r\n")},
        {"UTF-8 without a mark",
         u8"[COMBO_BOX]\nMENU_000=D:\\予定表\n",
         {"D:\\予定表"},
         u8"[COMBO_BOX]\nMENU_000=D:\\new\nMENU_001=D:\\予定表\nSELECT=3\n"
         u8"SELECT_PATH=3|D:\\new\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteFileBytes(ini, c.before));
        {
            ProgramRun run(ini, 3);
            std::vector<std::string> offered;
            for (int slot = 3; slot < run.list().count(); ++slot) {
                offered.push_back(run.ItemText(slot));
            }
            EXPECT_EQ(offered, c.offered);
            run.list().Add("D:\\new");
            ASSERT_TRUE(run.Save());
        }
        EXPECT_EQ(ReadWholeFile(ini), c.after);
    }
    // Windows' own reader finds the folder as it was.
    ASSERT_TRUE(WriteFileBytes(ini, cases[0].after));
    FlushProfileCache();
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"COMBO_BOX", L"MENU_001", L"", value, 64,
                             std::wstring(ini.begin(), ini.end()).c_str());
    EXPECT_EQ(std::wstring(value), L"D:\\Mail\u00A5Archive");
}

// A file holding a NUL byte outside UTF-16 is no settings file: nothing is read from
// it, and the save leaves it as it is and says why.
TEST_F(SettingsFileTest, AFileHoldingANulByteIsLeftAloneAndTheSaveSaysWhy) {
    const std::string held = "[COMBO_BOX]\r\nMENU_000=D:\\a\r\n" + std::string(1, '\0') + "\r\n";
    ASSERT_TRUE(WriteFileBytes(ini, held));
    FakeDropDownList view;
    DestinationList list{view};
    FillFromFile(list, ini);
    EXPECT_EQ(list.count(), 3);
    list.Add("D:\\new");
    SettingsFiles files;
    files.readPath = files.savePath = ini;
    const SettingsSaveResult result = SaveSettingsFiles(list, files, kJapaneseSystem);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.refusal, ini::Refusal::HoldsNul);
    EXPECT_EQ(ReadWholeFile(ini), held);
}

}  // namespace
