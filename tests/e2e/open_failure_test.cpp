// When the shortcut file cannot be written the user is offered Retry as often as they
// like; when the disk fills up while it is written, one stop box names the file, no
// completion is announced, nothing half-written stays behind and an old file is as it
// was.
#include <string>

#include "driver/button.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"
#include "driver/unique_handle.h"

namespace e2e {
namespace {

class OpenFailure : public RavletTest {
protected:
    // Expects the open-failure box for path (and gets a completion box out of the way).
    MessageBoxView ExpectRetryBox(const std::string& path) {
        MessageBoxView box = WaitForMessageBox(Dialog());
        if (box.caption == "完了") {
            AnswerMessageBox(box, IDOK);
        }
        EXPECT_EQ(
            box.text,
            "ファイルの作成が出来ませんでした。\n有効な名前で無いか共有違反が考えられます\n\n" +
                path);
        EXPECT_EQ(box.caption, "作成出来ません");
        EXPECT_EQ(box.buttons, (std::vector<int>{IDRETRY, IDCANCEL}));
        return box;
    }
    void ExpectAborted() {
        MessageBoxView box = WaitForMessageBox(Dialog());
        EXPECT_EQ(box.text, "処理は中断されました。");
        EXPECT_EQ(box.caption, "中断されました");
        ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(box, IDOK));
    }
};

TEST_F(OpenFailure, ANameThatCannotBeAFileIsRetriedUntilCancelled) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone@example.com"));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_NAME, "a|b"));  // typed by the user, so suggestions stop

    PostClick(Control(IDOK));
    MessageBoxView retry = ExpectRetryBox(outbox + "\\a|b.url");
    SaveScreenshot(retry.window, "retry-message");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(retry, IDRETRY));
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(ExpectRetryBox(outbox + "\\a|b.url"), IDCANCEL));
    ASSERT_NO_FATAL_FAILURE(ExpectAborted());
    EXPECT_EQ(Text(IDC_ADDRESS), "someone@example.com");
    EXPECT_EQ(Text(IDC_NAME), "a|b");
}

TEST_F(OpenFailure, ALongPathIsShownWholeInTheRetryBox) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone@example.com"));
    const std::string name = "a|" + std::string(460, 'n');  // the path passes 511 bytes
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_NAME, name));
    PostClick(Control(IDOK));
    ASSERT_NO_FATAL_FAILURE(
        AnswerMessageBox(ExpectRetryBox(outbox + "\\" + name + ".url"), IDCANCEL));
    ASSERT_NO_FATAL_FAILURE(ExpectAborted());
}

TEST_F(OpenFailure, AFileHeldByAnotherProgramIsWrittenOnceItIsReleased) {
    const std::string outbox = Outbox();
    const std::string path = outbox + "\\held@example.com さんへ.url";
    // Another program has the file open and lets nobody else write it.
    UniqueHandle held(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.Valid());
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "held@example.com"));

    MessageBoxView question;

    ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(question));
    EXPECT_EQ(question.caption, "上書きしますか？");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(question, IDYES));
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(ExpectRetryBox(path), IDRETRY));
    MessageBoxView again = ExpectRetryBox(path);  // still held: the same box again

    held.Reset();
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(again, IDRETRY));
    MessageBoxView done = WaitForMessageBox(Dialog());
    EXPECT_EQ(done.caption, "完了");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(done, IDOK));
    EXPECT_EQ(ReadFileBytes(path).value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:held@example.com\r\n");
}

// A device name or a ":" (a hidden stream on NTFS) is never tried, even when a file of
// that name is already there.
TEST_F(OpenFailure, ANameThatIsADeviceOrAStreamIsRefusedWithTheRetryBox) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone@example.com"));
    for (const std::string device : {"NUL", "COM1", "aux.txt", "a:b", "taro:x"}) {
        ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_NAME, device));
        PostClick(Control(IDOK));
        // A device is no file to replace: asking whether to overwrite it is wrong.
        MessageBoxView first = WaitForMessageBox(Dialog());
        if (first.caption == "上書きしますか？") {
            ADD_FAILURE() << device << " brought up the overwrite question: " << first.text;
            ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(first, IDYES));
        } else {
            EXPECT_NE(first.caption, "完了") << device << " was \"written\" to a device";
        }
        if (first.caption != "完了") {
            ASSERT_NO_FATAL_FAILURE(
                AnswerMessageBox(ExpectRetryBox(outbox + "\\" + device + ".url"), IDCANCEL));
            ASSERT_NO_FATAL_FAILURE(ExpectAborted());
        }
    }
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((outbox + "\\*.url").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "a shortcut was written: " << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
}

// Fills a small volume to the last byte and frees it again when the test ends.
class VolumeFiller {
public:
    explicit VolumeFiller(const std::string& folder) : path_(folder + "\\filler.bin") {
        UniqueHandle file(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        const std::string block(4096, 'x');
        for (size_t size = block.size(); file.Valid() && size > 0; size /= 2) {
            DWORD written = 0;
            while (
                WriteFile(file.Get(), block.data(), static_cast<DWORD>(size), &written, nullptr) &&
                written == size) {
            }
        }
    }
    VolumeFiller(const VolumeFiller&) = delete;
    VolumeFiller& operator=(const VolumeFiller&) = delete;
    ~VolumeFiller() { DeleteFileA(path_.c_str()); }

private:
    std::string path_;
};

bool IsSmallVolume(const std::string& folder) {
    ULARGE_INTEGER total = {};
    return PathExists(folder) &&
           GetDiskFreeSpaceExA((folder + "\\").c_str(), nullptr, &total, nullptr) &&
           total.QuadPart <= 1024 * 1024;
}

TEST_F(OpenFailure, AFullDiskIsReportedOnceAndLeavesNoFileAndTheFormAsTyped) {
    const std::string volume = FullVolumeFolder();
    if (!IsSmallVolume(volume)) {
        GTEST_SKIP() << "no small volume at " << volume
                     << " (the Wine session mounts one when run as root)";
    }
    const std::string path = volume + "\\full@example.com さんへ.url";
    DeleteFileA(path.c_str());
    VolumeFiller filler(volume);
    ASSERT_NO_FATAL_FAILURE(AddDestination(volume));
    ASSERT_NO_FATAL_FAILURE(FillIn("full@example.com", "subject"));

    MessageBoxView box;

    ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(box));
    SaveScreenshot(box.window, "disk-full-message");
    EXPECT_NE(box.caption, "完了") << "completion was announced before the data was safe";
    EXPECT_EQ(box.caption, "ravlet");
    EXPECT_EQ(box.text, path + " へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(box, IDOK));

    EXPECT_TRUE(HasNoMessageBox(Dialog())) << "a second box followed the file error";
    EXPECT_FALSE(PathExists(path)) << "the partly written file stayed on disk";
    EXPECT_EQ(Text(IDC_ADDRESS), "full@example.com");
    EXPECT_EQ(Text(IDC_SUBJECT), "subject");
    EXPECT_EQ(Text(IDC_NAME), "full@example.com さんへ");
    EXPECT_TRUE(program_->Running());
}

// A shortcut opened to be changed, on a disk that has filled up since: 作成 and Yes
// report the full disk naming the shortcut, which stays byte for byte. Its kept lines
// fill most of a block, so the changed file needs more room than the old one freed.
TEST_F(OpenFailure, AShortcutRewrittenOnAFullDiskSurvivesByteForByte) {
    const std::string volume = FullVolumeFolder();
    if (!IsSmallVolume(volume)) {
        GTEST_SKIP() << "no small volume at " << volume
                     << " (the Wine session mounts one when run as root)";
    }
    const std::string path = volume + "\\週報.url";
    std::string original =
        "[InternetShortcut]\r\nURL=mailto:taro@example.jp?Subject=%E9%80%B1%E5%A0%B1\r\n"
        "HotKey=1601\r\n[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\nProp5=31,";
    original += std::string(4088 - original.size(), 'p') + "\r\n";
    {
        UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        ASSERT_TRUE(file.Valid() &&
                    WriteFile(file.Get(), original.data(), static_cast<DWORD>(original.size()),
                              &written, nullptr));
    }
    VolumeFiller filler(volume);
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    ASSERT_NO_FATAL_FAILURE(StartRavletAs("\"" + exe_ + "\" \"" + path + "\"", folder_));
    EXPECT_EQ(Text(IDC_SUBJECT), "週報");
    const std::string subject = "週報 12月 第2週 営業部と開発部の合同報告";
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_SUBJECT, subject));

    MessageBoxView question;
    ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(question));
    EXPECT_EQ(question.caption, "上書きしますか？");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(question, IDYES));
    MessageBoxView box = WaitForMessageBox(Dialog());
    SaveScreenshot(box.window, "disk-full-rewrite");
    EXPECT_EQ(box.caption, "ravlet");
    EXPECT_EQ(box.text, path + " へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(box, IDOK));

    EXPECT_TRUE(HasNoMessageBox(Dialog())) << "a second box followed the file error";
    EXPECT_EQ(ReadFileBytes(path).value_or("(missing)"), original);
    EXPECT_FALSE(PathExists(path + ".ravlet-new"));
    EXPECT_FALSE(PathExists(path + ".ravlet-old"));
    EXPECT_EQ(Text(IDC_SUBJECT), subject);
    EXPECT_TRUE(program_->Running());
    DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace e2e
