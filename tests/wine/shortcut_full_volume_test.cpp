// A shortcut written to a full disk, on the small volume that the Wine session mounts
// at D:\fullvol.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shortcut/create_command.h"
#include "shortcut/file_error.h"
#include "shortcut/shortcut_file.h"
#include "shortcut/win32_shortcut_store.h"
#include "tests/native/shortcut_fakes.h"
#include "tests/shared/shortcut_request_of.h"
#include "tests/wine/scratch_folder.h"

namespace {

const char kVolume[] = "D:\\fullvol\\";
const std::string kFiller = "D:\\fullvol\\filler";
const std::string kShortcut = "D:\\fullvol\\full.url";
constexpr ULONGLONG kSmallVolumeBytes = 1024 * 1024;

class ShortcutOnFullVolume : public ::testing::Test {
protected:
    void SetUp() override {
        ULARGE_INTEGER available, total, free;
        if (!GetDiskFreeSpaceExA(kVolume, &available, &total, &free) ||
            total.QuadPart > kSmallVolumeBytes) {
            GTEST_SKIP() << "D:\\fullvol is not a small volume (mounted by wine-session.sh "
                            "when run as root); full-disk failures are not tested";
        }
        DeleteFileA(kShortcut.c_str());
        ASSERT_TRUE(FillVolume()) << "could not fill D:\\fullvol";
    }
    void TearDown() override {
        DeleteFileA(kShortcut.c_str());
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

    Win32ShortcutStore store;
};

TEST_F(ShortcutOnFullVolume, LongBodyFailsOnceWhileWrittenAndCloseStaysQuiet) {
    auto file = store.Open(kShortcut);
    ASSERT_TRUE(file) << "an empty file should still be created";
    int failures = 0;
    try {
        WriteMailtoShortcut(*file, RequestOf("a@b.c", std::string(5000, 's'), 0), "");
    } catch (const FileError& error) {
        ++failures;
        EXPECT_EQ(error.path(), kShortcut);
    }
    EXPECT_EQ(failures, 1);
    EXPECT_NO_THROW(file->WriteString("more\n"));
    EXPECT_NO_THROW(file->Close());
    EXPECT_TRUE(FileExists(kShortcut));
    // Removed through the handle that is still open.
    file->Discard();
    EXPECT_FALSE(FileExists(kShortcut));
}

TEST_F(ShortcutOnFullVolume, ShortBodyFailsAtCloseOnce) {
    auto file = store.Open(kShortcut);
    ASSERT_TRUE(file);
    EXPECT_NO_THROW(
        WriteMailtoShortcut(*file, RequestOf("a@b.c", "", 1), "C:\\ravlet\\ravlet.exe"));
    try {
        file->Close();
        ADD_FAILURE() << "closing on a full disk succeeded";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), kShortcut);
    }
    EXPECT_NO_THROW(file->Close());
    file->Discard();
    EXPECT_FALSE(FileExists(kShortcut));
}

// The Create command on the real file system: the error reaches the caller once,
// the broken shortcut is gone, and the form keeps what the user typed.
TEST_F(ShortcutOnFullVolume, CreateCommandReportsNothingAndLeavesNoFile) {
    const std::string subjects[] = {std::string(5000, 's'), "short"};
    for (const std::string& subject : subjects) {
        Events events;
        FakeForm form(events);
        form.texts[FormControl::Address] = "a@b.c";
        form.texts[FormControl::Name] = "full";
        form.texts[FormControl::Subject] = subject;
        form.answers = {message_box::kYes};  // a URL that long is written all the same
        int failures = 0;
        try {
            RunCreateCommand(form, store, std::string("D:\\fullvol"), "C:\\ravlet\\ravlet.exe");
        } catch (const FileError& error) {
            ++failures;
            EXPECT_EQ(error.path(), kShortcut);
        }
        EXPECT_EQ(failures, 1) << subject.size();
        // Only the question about the length, before anything was written.
        EXPECT_EQ(form.messages.size(), subject.size() > 2048 ? 1u : 0u) << subject.size();
        EXPECT_EQ(form.texts[FormControl::Address], "a@b.c");
        EXPECT_FALSE(FileExists(kShortcut)) << subject.size();
    }
}

}  // namespace
