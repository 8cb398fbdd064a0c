#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shortcut/file_error.h"
#include "shortcut/shortcut_file.h"
#include "shortcut/shortcut_path.h"
#include "shortcut/win32_shortcut_file.h"
#include "shortcut/win32_shortcut_store.h"
#include "tests/shared/shortcut_request_of.h"
#include "tests/wine/scratch_folder.h"

namespace {

const std::string kIconFile = "C:\\Program Files\\ravlet\\ravlet.exe";

class ShortcutFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.created()) << folder.path(); }

    // Size on disk as another program sees it right now.
    static LONGLONG SizeSeenByReader(const std::string& path) {
        const HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (reader == INVALID_HANDLE_VALUE) {
            return -1;
        }
        LARGE_INTEGER size;
        const BOOL ok = GetFileSizeEx(reader, &size);
        CloseHandle(reader);
        return ok ? size.QuadPart : -1;
    }

    ScratchFolder folder{"D:\\", "shortcut-file-test"};
    Win32ShortcutStore store;
};

TEST_F(ShortcutFileOnDisk, LinesEndInCarriageReturnAndLineFeed) {
    const std::string path = *BuildShortcutPath(folder.path(), "taro");
    auto file = store.Open(path);
    ASSERT_TRUE(file);
    WriteMailtoShortcut(*file, RequestOf("taro@example.jp", "見積 & 納期?", 3), kIconFile);
    file->Close();
    EXPECT_EQ(ReadWholeFile(path),
              "[InternetShortcut]\r\nURL=mailto:taro@example.jp?Subject=見積%20%26%20納期%3F\r\n"
              "IconFile=C:\\Program Files\\ravlet\\ravlet.exe\r\nIconIndex=3\r\n");
}

TEST_F(ShortcutFileOnDisk, FolderEndingInATrailByteOf0x5C) {
    ScratchFolder japanese(folder.path(), "\\ソフト表");
    ASSERT_TRUE(japanese.created()) << "Wine could not create a Japanese folder name";
    const std::string path = *BuildShortcutPath(japanese.path(), "ソ");
    auto file = store.Open(path);
    ASSERT_TRUE(file) << path;
    WriteMailtoShortcut(*file, RequestOf("a@b.c", "", 0), kIconFile);
    file->Close();
    EXPECT_EQ(ReadWholeFile(japanese / "ソ.url"), "[InternetShortcut]\r\nURL=mailto:a@b.c\r\n");
}

TEST_F(ShortcutFileOnDisk, LongerExistingFileIsTruncated) {
    const std::string path = folder / "old.url";
    {
        auto old = store.Open(path);
        ASSERT_TRUE(old);
        old->WriteString(std::string(10000, 'z'));
        old->Close();
    }
    auto file = store.Open(path);
    ASSERT_TRUE(file);
    WriteMailtoShortcut(*file, RequestOf("a@b.c", "", 0), kIconFile);
    file->Close();
    EXPECT_EQ(ReadWholeFile(path), "[InternetShortcut]\r\nURL=mailto:a@b.c\r\n");
}

TEST_F(ShortcutFileOnDisk, ShortBodyReachesTheDiskAtClose) {
    const std::string path = folder / "short.url";
    auto file = store.Open(path);
    ASSERT_TRUE(file);
    // 4095 bytes as written; the line feeds make them 4097 on disk, but the buffer
    // counts what the program wrote.
    WriteMailtoShortcut(*file, RequestOf("a@b.c", std::string(4050, 's'), 0), kIconFile);
    EXPECT_EQ(SizeSeenByReader(path), 0);
    file->Close();
    EXPECT_EQ(SizeSeenByReader(path), 4097);
}

TEST_F(ShortcutFileOnDisk, LongBodyIsWrittenInBlocksOf4096Bytes) {
    const std::string path = folder / "long.url";
    auto file = store.Open(path);
    ASSERT_TRUE(file);
    const std::string subject(10000, 's');
    WriteMailtoShortcut(*file, RequestOf("a@b.c", subject, 0), kIconFile);
    // Two blocks of 4096 bytes as written, the first with one line feed.
    EXPECT_EQ(SizeSeenByReader(path), 8193);
    file->Close();
    EXPECT_EQ(ReadWholeFile(path),
              "[InternetShortcut]\r\nURL=mailto:a@b.c?Subject=" + subject + "\r\n");
}

// The file is open with the right to delete it, so a reader must share deletion, as
// the shell and virus scanners do.
TEST_F(ShortcutFileOnDisk, WhileOpenOthersMayReadButNotWrite) {
    const std::string path = folder / "shared.url";
    auto file = store.Open(path);
    ASSERT_TRUE(file);
    const DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

    const HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD writerError = GetLastError();
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(writerError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    if (writer != INVALID_HANDLE_VALUE) {
        CloseHandle(writer);
    }

    const HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    if (reader != INVALID_HANDLE_VALUE) {
        CloseHandle(reader);
    }
    file->Close();
}

TEST_F(ShortcutFileOnDisk, DiscardRemovesTheFileThroughItsHandleDespiteAReader) {
    const std::string path = folder / "partial.url";
    auto file = store.Open(path);
    ASSERT_TRUE(file);
    WriteMailtoShortcut(*file, RequestOf("a@b.c", std::string(5000, 's'), 0), kIconFile);
    const HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    file->Discard();
    CloseHandle(reader);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(EntriesIn(folder.path()), 0);
}

TEST_F(ShortcutFileOnDisk, FileLeftOpenIsStillSavedWhenDestroyed) {
    const std::string path = folder / "forgotten.url";
    {
        auto file = store.Open(path);
        ASSERT_TRUE(file);
        WriteMailtoShortcut(*file, RequestOf("a@b.c", "", 0), kIconFile);
    }
    EXPECT_EQ(ReadWholeFile(path), "[InternetShortcut]\r\nURL=mailto:a@b.c\r\n");
}

TEST_F(ShortcutFileOnDisk, DiscardDeletesTheFile) {
    const std::string path = folder / "discarded.url";
    auto file = store.Open(path);
    ASSERT_TRUE(file);
    WriteMailtoShortcut(*file, RequestOf("a@b.c", "", 0), kIconFile);
    file->Discard();
    EXPECT_FALSE(FileExists(path));
}

TEST_F(ShortcutFileOnDisk, NamesThatAreNoFileCannotBeOpened) {
    // Devices open without error but would swallow the shortcut; the others fail.
    const char* const names[] = {"NUL.url", "COM1.url", "AUX.url", "CON.url",
                                 "a|b.url", "a?b.url",  "a*b.url"};
    for (const char* name : names) {
        EXPECT_FALSE(store.Open(folder / name)) << name;
    }
    // A device name always "exists"; what matters is that no file was left behind.
    EXPECT_EQ(EntriesIn(folder.path()), 0);
}

TEST_F(ShortcutFileOnDisk, FolderOfTheShortcutsNameCannotBeOpened) {
    const std::string path = folder / "taken.url";
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    EXPECT_TRUE(store.Exists(path));
    EXPECT_FALSE(store.Open(path));
}

TEST_F(ShortcutFileOnDisk, ExistenceTestTreatsQuestionMarkAndAsteriskAsWildcards) {
    {
        auto file = store.Open(folder / "a1.url");
        ASSERT_TRUE(file);
        file->Close();
    }
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
        auto file = store.Open(path);
        ASSERT_TRUE(file) << name;
        file->Close();
        EXPECT_TRUE(store.Exists(path)) << name;
    }
    for (const char* name : {"NUL", "con", "Com1", "LPT9", "PRN ", "AUX.x"}) {
        EXPECT_TRUE(IsRefusedName(name)) << name;
    }
}

}  // namespace
