#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shortcut/shortcut_file.h"
#include "shortcut/shortcut_path.h"
#include "shortcut/win32_shortcut_store.h"
#include "tests/shared/shortcut_request_of.h"
#include "tests/wine/scratch_folder.h"

namespace {

const std::string kIconFile = "C:\\Program Files\\ravlet\\ravlet.exe";

class ShortcutFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.created()) << folder.path(); }

    ShortcutWriteOutcome Write(const std::string& path, const std::string& bytes,
                               bool replaceExisting = false) {
        return store.WriteWhole(path, bytes, replaceExisting, {});
    }

    ScratchFolder folder{"D:\\", "shortcut-file-test"};
    Win32ShortcutStore store;
};

const std::string kBytes = ShortcutFileBytes(RequestOf("a@b.c", "", 0), kIconFile, nullptr);

// The ANSI path names the same file as the wide writer: a trail byte 0x5C is no "\".
TEST_F(ShortcutFileOnDisk, FolderEndingInATrailByteOf0x5C) {
    ScratchFolder japanese(folder.path(), "\\ソフト表");
    ASSERT_TRUE(japanese.created()) << "Wine could not create a Japanese folder name";
    const std::string path = *BuildShortcutPath(japanese.path(), "ソ");
    EXPECT_EQ(Write(path, kBytes), ShortcutWriteOutcome::Written) << path;
    EXPECT_EQ(ReadWholeFile(japanese / "ソ.url"), "[InternetShortcut]\r\nURL=mailto:a@b.c\r\n");
}

TEST_F(ShortcutFileOnDisk, ALongerExistingFileIsReplacedWhole) {
    const std::string path = folder / "old.url";
    ASSERT_TRUE(WriteFileBytes(path, std::string(10000, 'z')));
    EXPECT_EQ(Write(path, kBytes), ShortcutWriteOutcome::TargetAppeared);
    EXPECT_EQ(ReadWholeFile(path), std::string(10000, 'z'));
    EXPECT_EQ(Write(path, kBytes, true), ShortcutWriteOutcome::Written);
    EXPECT_EQ(ReadWholeFile(path), kBytes);
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

// The check sees what is on the disk, and what Windows' profile functions read there
// while the new file is still held; when it says no, nothing is replaced.
TEST_F(ShortcutFileOnDisk, TheCheckReadsTheNewFileBackBeforeItReplacesTheOld) {
    const std::string path = folder / "checked.url";
    ASSERT_TRUE(WriteFileBytes(path, "old"));
    std::string seen;
    std::optional<std::u16string> windowsUrl;
    const auto refuse = [&seen, &windowsUrl](std::string_view onDisk,
                                             const WindowsProfileReading& windows) {
        seen = std::string(onDisk);
        windowsUrl = windows.url;
        return false;
    };
    EXPECT_EQ(store.WriteWhole(path, kBytes, true, refuse), ShortcutWriteOutcome::CheckFailed);
    EXPECT_EQ(seen, kBytes);
    EXPECT_EQ(windowsUrl, u"mailto:a@b.c");
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

TEST_F(ShortcutFileOnDisk, NamesThatAreNoFileAreRefusedAndLeaveNothing) {
    // Devices would swallow the shortcut; the others are no names at all.
    const char* const names[] = {"NUL.url", "COM1.url", "AUX.url", "CON.url",
                                 "a|b.url", "a?b.url",  "a*b.url"};
    for (const char* name : names) {
        EXPECT_EQ(Write(folder / name, kBytes, true), ShortcutWriteOutcome::Refused) << name;
    }
    EXPECT_EQ(EntriesIn(folder.path()), 0);
}

TEST_F(ShortcutFileOnDisk, AFolderOfTheShortcutsNameIsNeverReplaced) {
    const std::string path = folder / "taken.url";
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    EXPECT_TRUE(store.Exists(path));
    EXPECT_EQ(Write(path, kBytes, true), ShortcutWriteOutcome::Refused);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

TEST_F(ShortcutFileOnDisk, ExistenceTestTreatsQuestionMarkAndAsteriskAsWildcards) {
    ASSERT_EQ(Write(folder / "a1.url", kBytes), ShortcutWriteOutcome::Written);
    struct Case {
        const char* name;
        bool exists;
    };
    const Case cases[] = {
        {"a1.url", true},  {"a?.url", true},  {"*.url", true},  {"a*", true},
        {"a2.url", false}, {"b?.url", false}, {"?.url", false}, {"a1", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store.Exists(folder / c.name), c.exists) << c.name;
    }
}

// The Create command never tries a device name; names that merely start like one are
// ordinary files, as the command's rule says.
TEST_F(ShortcutFileOnDisk, NamesThatOnlyLookLikeDevicesAreOrdinaryFiles) {
    for (const char* name : {"CONSOLE", "NULL", "COM10", "LPT", "aux1", "NUL x"}) {
        EXPECT_FALSE(IsRefusedName(name)) << name;
        const std::string path = folder / (std::string(name) + ".url");
        EXPECT_EQ(Write(path, kBytes), ShortcutWriteOutcome::Written) << name;
        EXPECT_TRUE(store.Exists(path)) << name;
    }
    for (const char* name : {"NUL", "con", "Com1", "LPT9", "PRN ", "AUX.x"}) {
        EXPECT_TRUE(IsRefusedName(name)) << name;
    }
}

}  // namespace
