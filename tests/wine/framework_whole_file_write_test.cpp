// The one writer of files, against the real file system: whole or not at all, and
// nothing left beside the target.
#include "framework/whole_file_write.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/exact_ansi.h"
#include "framework/path_names.h"
#include "tests/wine/scratch_folder.h"

namespace {

class WholeFileWrite : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.created()); }

    WholeFileResult Write(const std::string& bytes, bool replaceExisting,
                          const NewFileCheck& check = {}) {
        return WriteFileWhole(WideFromAnsi(target), bytes, replaceExisting, check);
    }
    // A leftover of a crashed write, made as awkward to replace as it can be.
    static void LeaveLeftover(const std::string& path) {
        ASSERT_TRUE(WriteFileBytes(path, "leftover"));
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    }

    ScratchFolder folder;
    const std::string target = folder / "a.url";
    const std::string newFile = target + ".ravlet-new";
    const std::string backup = target + ".ravlet-old";
};

TEST_F(WholeFileWrite, ANewFileGetsTheBytesAsTheyAreAndNoHiddenOrTemporaryAttribute) {
    LeaveLeftover(newFile);
    const std::string bytes = "[InternetShortcut]\r\nURL=mailto:a@b.c\r\n\n\r";
    const WholeFileResult result = Write(bytes, false);
    EXPECT_EQ(result.outcome, WholeFileOutcome::Written);
    EXPECT_EQ(ReadWholeFile(target), bytes);
    const DWORD attributes = GetFileAttributesA(target.c_str());
    EXPECT_EQ(
        attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_READONLY),
        0u);
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

TEST_F(WholeFileWrite, AnExistingFileIsReplacedOnlyWhenTheCallerSaysSo) {
    ASSERT_TRUE(WriteFileBytes(target, std::string(5000, 'o')));
    EXPECT_EQ(Write("new", false).outcome, WholeFileOutcome::TargetAppeared);
    EXPECT_EQ(ReadWholeFile(target), std::string(5000, 'o'));
    EXPECT_EQ(EntriesIn(folder.path()), 1);

    LeaveLeftover(newFile);
    LeaveLeftover(backup);
    EXPECT_EQ(Write("new", true).outcome, WholeFileOutcome::Written);
    EXPECT_EQ(ReadWholeFile(target), "new");
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

TEST_F(WholeFileWrite, ATargetThatVanishedIsMadeNew) {
    EXPECT_EQ(Write("new", true).outcome, WholeFileOutcome::Written);
    EXPECT_EQ(ReadWholeFile(target), "new");
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

// ReplaceFileW refuses a target another program holds without sharing: nothing changes.
TEST_F(WholeFileWrite, ATargetHeldWithoutSharingStaysByteForByte) {
    ASSERT_TRUE(WriteFileBytes(target, "old\r\n"));
    const HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const WholeFileResult result = Write("new", true);
    CloseHandle(held);
    EXPECT_EQ(result.outcome, WholeFileOutcome::Failed);
    EXPECT_NE(result.error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_NE(result.error, static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(ReadWholeFile(target), "old\r\n");
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

// The check reads the new file, closed and flushed, before the target is touched.
TEST_F(WholeFileWrite, ACheckThatSaysNoReplacesNothingAndRemovesTheNewFile) {
    ASSERT_TRUE(WriteFileBytes(target, "old"));
    std::string checked;
    std::string seen;
    const auto check = [&](const std::wstring& path) {
        checked = *ExactAnsiText(path);
        seen = ReadWholeFile(checked);
        return false;
    };
    EXPECT_EQ(Write("new", true, check).outcome, WholeFileOutcome::CheckFailed);
    EXPECT_EQ(checked, newFile);
    EXPECT_EQ(seen, "new");
    EXPECT_EQ(ReadWholeFile(target), "old");
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

// A link is never replaced: that would cut it and leave what it points at as it was.
// Wine 8 shows a Unix symbolic link as an ordinary file and cannot make a link of its
// own, so this runs where Windows (or a later Wine) can make one.
TEST_F(WholeFileWrite, ALinkIsNeverReplaced) {
    const std::string linked = folder / "linked.url";
    ASSERT_TRUE(WriteFileBytes(linked, "theirs"));
    // Wine 8's CreateSymbolicLinkA says yes and makes nothing.
    CreateSymbolicLinkA(target.c_str(), linked.c_str(), 0);
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        GTEST_SKIP() << "no symbolic link with a reparse point can be made here";
    }
    EXPECT_EQ(Write("new", true).outcome, WholeFileOutcome::TargetIsLink);
    EXPECT_EQ(ReadWholeFile(linked), "theirs");
    EXPECT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    EXPECT_EQ(EntriesIn(folder.path()), 2);
}

// A target as long as a plain name may be (259 characters): the names beside it pass
// MAX_PATH, and the write, the replace and the clean-up still reach them.
TEST_F(WholeFileWrite, ATargetOf255CharactersIsWrittenAndReplacedWithNothingLeft) {
    const std::string deep = folder / std::string(255 - folder.path().size() - 7, 'd');
    // Past the 248 characters a plain folder name may have.
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + WideFromAnsi(deep)).c_str(), nullptr));
    const std::string longTarget = deep + "\\a.url";
    ASSERT_EQ(longTarget.size(), 255u);
    const std::wstring wide = WideFromAnsi(longTarget);
    // A leftover past MAX_PATH, which only the "\\?\" form reaches.
    const std::wstring leftover = L"\\\\?\\" + wide + L".ravlet-new";
    CloseHandle(CreateFileW(leftover.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY, nullptr));
    ASSERT_EQ(EntriesIn(deep), 1);
    EXPECT_EQ(WriteFileWhole(wide, "first", false).outcome, WholeFileOutcome::Written);
    EXPECT_EQ(ReadWholeFile(longTarget), "first");
    EXPECT_EQ(EntriesIn(deep), 1);
    std::wstring checked;
    const auto check = [&checked](const std::wstring& path) {
        checked = path;
        return true;
    };
    EXPECT_EQ(WriteFileWhole(wide, "second", true, check).outcome, WholeFileOutcome::Written);
    EXPECT_EQ(checked, L"\\\\?\\" + wide + L".ravlet-new");
    EXPECT_EQ(ReadWholeFile(longTarget), "second");
    EXPECT_EQ(EntriesIn(deep), 1);
}

// The names beside a target: as spelt while the full name fits in MAX_PATH, as before;
// beyond it the "\\?\" form of the full name, normalised first since that form is not.
TEST(WholeFileWriteNames, PlainWithinMaxPathExtendedBeyond) {
    const std::wstring d239(239, L'd'), d241(241, L'd'), d229(229, L'd');
    struct Case {
        std::wstring target;
        std::wstring newFile;
    };
    const Case cases[] = {
        {L"C:\\dir\\a.url", L"C:\\dir\\a.url.ravlet-new"},
        {L"C:/dir/../a.url", L"C:/dir/../a.url.ravlet-new"},
        {L"\\\\server\\share\\a.url", L"\\\\server\\share\\a.url.ravlet-new"},
        // 248 + 11 = 259 characters: the last plain one.
        {L"C:\\" + d239 + L"\\a.url", L"C:\\" + d239 + L"\\a.url.ravlet-new"},
        {L"C:\\" + d241 + L"\\a.url", L"\\\\?\\C:\\" + d241 + L"\\a.url.ravlet-new"},
        {L"c:\\" + d241 + L"\\A.URL", L"\\\\?\\c:\\" + d241 + L"\\A.URL.ravlet-new"},
        {L"\\\\server\\share\\" + d229 + L"\\a.url",
         L"\\\\?\\UNC\\server\\share\\" + d229 + L"\\a.url.ravlet-new"},
        {L"C:/" + d241 + L"/x/./../a.url", L"\\\\?\\C:\\" + d241 + L"\\a.url.ravlet-new"},
        {L"\\\\?\\C:\\" + d241 + L"\\a.url", L"\\\\?\\C:\\" + d241 + L"\\a.url.ravlet-new"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NewFileBeside(c.target), c.newFile) << c.target.size();
    }
    EXPECT_EQ(BackupFileBeside(L"C:\\" + d241 + L"\\a.url"),
              L"\\\\?\\C:\\" + d241 + L"\\a.url.ravlet-old");
    EXPECT_EQ(BackupFileBeside(L"C:\\dir\\a.url"), L"C:\\dir\\a.url.ravlet-old");

    // And back, for the functions that take no prefix.
    EXPECT_EQ(PlainPath(L"\\\\?\\C:\\x\\a.url"), L"C:\\x\\a.url");
    EXPECT_EQ(PlainPath(L"\\\\?\\UNC\\server\\share\\a.url"), L"\\\\server\\share\\a.url");
    EXPECT_EQ(PlainPath(L"\\\\?\\Volume{1}\\a.url"), L"\\\\?\\Volume{1}\\a.url");
    EXPECT_EQ(PlainPath(L"C:\\x\\a.url"), L"C:\\x\\a.url");
}

// After a refused ReplaceFileW: only 1177 leaves the target under the backup name.
TEST(WholeFileWriteDecision, WhatFollowsAFailedReplace) {
    struct Case {
        DWORD error;
        bool targetStillThere;
        AfterReplaceFailure expected;
    };
    const Case cases[] = {
        {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, false, AfterReplaceFailure::RestoreFromBackup},
        {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, AfterReplaceFailure::RestoreFromBackup},
        {ERROR_UNABLE_TO_REMOVE_REPLACED, true, AfterReplaceFailure::KeepTarget},
        {ERROR_UNABLE_TO_MOVE_REPLACEMENT, true, AfterReplaceFailure::KeepTarget},
        {ERROR_SHARING_VIOLATION, true, AfterReplaceFailure::KeepTarget},
        {ERROR_ACCESS_DENIED, true, AfterReplaceFailure::KeepTarget},
        {ERROR_FILE_NOT_FOUND, false, AfterReplaceFailure::MakeNew},
        {ERROR_ACCESS_DENIED, false, AfterReplaceFailure::MakeNew},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideAfterReplaceFailure(c.error, c.targetStillThere), c.expected)
            << c.error << " " << c.targetStillThere;
    }
}

}  // namespace
