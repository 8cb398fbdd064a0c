#include "shortcut/win32_shortcut_file_reading.h"

#include <gtest/gtest.h>

#include "framework/exact_ansi.h"
#include "opening/win32_handed_over_path.h"
#include "shortcut/shortcut_reader.h"
#include "tests/wine/scratch_folder.h"

namespace {

TEST(ShortcutFileReading, ReadsOneByteMoreThanTheReaderTakesAndOnlyFilesOnDisk) {
    ScratchFolder folder;
    const std::string large = folder / "週報.url";
    ASSERT_TRUE(WriteFileBytes(large, std::string(kMaxShortcutFileBytes + 100, ';')));
    EXPECT_EQ(ReadShortcutFileBytes(WideFromAnsi(large)).value_or("").size(),
              kMaxShortcutFileBytes + 1);
    const std::string small = folder / "a.url";
    ASSERT_TRUE(WriteFileBytes(small, "[InternetShortcut]\r\n"));
    EXPECT_EQ(ReadShortcutFileBytes(WideFromAnsi(small)), "[InternetShortcut]\r\n");
    EXPECT_FALSE(ReadShortcutFileBytes(WideFromAnsi(folder / "missing.url")));
    EXPECT_FALSE(ReadShortcutFileBytes(WideFromAnsi(folder.path())));
    EXPECT_FALSE(ReadShortcutFileBytes(WideFromAnsi(folder / "COM1.url")));
}

TEST(ShortcutFileReading, TheSamePathIgnoresCaseAndShortNames) {
    ScratchFolder folder;
    const std::string file = folder / "Weekly Report 2026.url";
    ASSERT_TRUE(WriteFileBytes(file, "x"));
    char shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(file.c_str(), shortPath, MAX_PATH), 0u);
    EXPECT_TRUE(IsSameShortcutPath(file, folder / "WEEKLY report 2026.URL"));
    EXPECT_TRUE(IsSameShortcutPath(shortPath, file));
    EXPECT_FALSE(IsSameShortcutPath(file, folder / "Weekly Report 2027.url"));
}

TEST(ShortcutFileReading, AFileFromInsideAZipLiesBelowTheTemporaryFolder) {
    ScratchFolder folder;  // below the temporary folder
    EXPECT_TRUE(IsBelowTemporaryFolder(WideFromAnsi(folder / "Temp1_mail.zip\\a.url")));
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    EXPECT_FALSE(IsBelowTemporaryFolder(WideFromAnsi(temp)));
    EXPECT_FALSE(
        IsBelowTemporaryFolder(WideFromAnsi(std::string(temp, strlen(temp) - 1) + "2\\a.url")));
    EXPECT_FALSE(IsBelowTemporaryFolder(L"C:\\users\\a.url"));
}

// A name the code page cannot spell ("ý") is no path, but the box still says whether a
// file or a folder was handed over.
TEST(ShortcutFileReading, AnUnspellableNameStillTellsAFileFromAFolder) {
    ScratchFolder folder;
    const std::wstring base = WideFromAnsi(folder.path());
    const std::wstring fileName = base + L"\\\u00FD.url";
    const std::wstring folderName = base + L"\\\u00FD";
    const HANDLE created = CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);
    ASSERT_TRUE(CreateDirectoryW(folderName.c_str(), nullptr));

    const HandedOverPath dropped = DescribeHandedOverPath(fileName);
    EXPECT_FALSE(dropped.path);
    EXPECT_FALSE(dropped.isFolder);
    EXPECT_FALSE(dropped.bytes);
    const HandedOverPath droppedFolder = DescribeHandedOverPath(folderName);
    EXPECT_FALSE(droppedFolder.path);
    EXPECT_TRUE(droppedFolder.isFolder);

    // The folder's own clean-up walks names in the code page.
    DeleteFileW(fileName.c_str());
    RemoveDirectoryW(folderName.c_str());
}

}  // namespace
