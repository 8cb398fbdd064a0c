// A shortcut rewritten on a full disk, on the small volume that the Wine session
// mounts at D:\fullvol: the old file stays as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/exact_ansi.h"
#include "framework/whole_file_write.h"
#include "shortcut/create_command.h"
#include "shortcut/file_error.h"
#include "shortcut/win32_shortcut_store.h"
#include "tests/native/shortcut_fakes.h"
#include "tests/shared/shortcut_request_of.h"
#include "tests/wine/scratch_folder.h"

namespace {

const char kVolume[] = "D:\\fullvol\\";
const std::string kFiller = "D:\\fullvol\\filler";
const std::string kShortcut = "D:\\fullvol\\full.url";
constexpr ULONGLONG kSmallVolumeBytes = 1024 * 1024;

const std::string kOriginal =
    "[InternetShortcut]\r\nURL=mailto:old@example.jp\r\nHotKey=1601\r\n"
    "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n";

// A shortcut the user made earlier, on a volume that has since filled up.
class ShortcutOnFullVolume : public ::testing::Test {
protected:
    void SetUp() override {
        ULARGE_INTEGER available, total, free;
        if (!GetDiskFreeSpaceExA(kVolume, &available, &total, &free) ||
            total.QuadPart > kSmallVolumeBytes) {
            GTEST_SKIP() << "D:\\fullvol is not a small volume (mounted by wine-session.sh "
                            "when run as root); full-disk failures are not tested";
        }
        TearDown();
        ASSERT_TRUE(WriteFileBytes(kShortcut, kOriginal));
        ASSERT_TRUE(FillVolume()) << "could not fill D:\\fullvol";
    }
    void TearDown() override {
        DeleteFileA(kShortcut.c_str());
        DeleteFileA((kShortcut + ".ravlet-new").c_str());
        DeleteFileA((kShortcut + ".ravlet-old").c_str());
        DeleteFileA(kFiller.c_str());
    }

    // Writes a filler file until the volume refuses more.
    static bool FillVolume() {
        const HANDLE filler = CreateFileA(kFiller.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (filler == INVALID_HANDLE_VALUE) {
            return false;
        }
        const std::string block(512, 'f');
        DWORD written = 0;
        while (
            WriteFile(filler, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
            written == block.size()) {
        }
        CloseHandle(filler);
        return true;
    }

    static void ExpectOriginalAlone() {
        EXPECT_EQ(ReadWholeFile(kShortcut), kOriginal);
        EXPECT_FALSE(FileExists(kShortcut + ".ravlet-new"));
        EXPECT_FALSE(FileExists(kShortcut + ".ravlet-old"));
    }

    Win32ShortcutStore store;
};

TEST_F(ShortcutOnFullVolume, TheWriterSaysTheDiskIsFullAndLeavesTheOriginal) {
    for (const size_t size : {size_t{100}, size_t{6000}}) {
        const WholeFileResult result =
            WriteFileWhole(WideFromAnsi(kShortcut), std::string(size, 'x'), true, {});
        EXPECT_EQ(result.outcome, WholeFileOutcome::Failed) << size;
        EXPECT_EQ(result.error, static_cast<DWORD>(ERROR_DISK_FULL)) << size;
        ExpectOriginalAlone();
    }
}

// The Create command on the real file system, after Yes to the overwrite question: the
// error names the shortcut and reaches the caller once, and the form keeps what the user
// typed.
TEST_F(ShortcutOnFullVolume, ARewriteFailsOnceAndTheShortcutSurvivesByteForByte) {
    const std::string subjects[] = {std::string(5000, 's'), "short"};
    for (const std::string& subject : subjects) {
        Events events;
        FakeForm form(events);
        form.texts[FormControl::Address] = "a@b.c";
        form.texts[FormControl::Name] = "full";
        form.texts[FormControl::Subject] = subject;
        // Yes to the length (a URL that long is written all the same) and the overwrite.
        form.answers = {message_box::kYes, message_box::kYes};
        int failures = 0;
        try {
            RunCreateCommand(form, store, std::string("D:\\fullvol"), "C:\\ravlet\\ravlet.exe");
        } catch (const FileError& error) {
            ++failures;
            EXPECT_EQ(error.path(), kShortcut);
        }
        EXPECT_EQ(failures, 1) << subject.size();
        // Only the questions, before anything was written.
        EXPECT_EQ(form.messages.size(), subject.size() > 2048 ? 2u : 1u) << subject.size();
        EXPECT_EQ(form.texts[FormControl::Address], "a@b.c");
        ExpectOriginalAlone();
    }
}

}  // namespace
