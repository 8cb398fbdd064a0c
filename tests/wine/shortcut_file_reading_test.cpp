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

}  // namespace
