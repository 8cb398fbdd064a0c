#include "shortcut/create_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "shortcut/name_suggestion.h"
#include "shortcut_fakes.h"

namespace {

const std::string kIconFile = "C:\\ravlet\\ravlet.exe";
const char kAborted[] = "処理は中断されました。";

class CreateCommand : public ::testing::Test {
protected:
    CreateCommand() {
        form.texts[FormControl::Address] = "taro@example.jp";
        form.texts[FormControl::Subject] = "Hello";
        form.texts[FormControl::Name] = "taro@example.jp さんへ";
        form.iconIndex = 2;
        form.previewShown = true;
        form.focus = FormControl::Subject;
    }

    void Run() { RunCreateCommand(form, store, folder, kIconFile); }

    // The form as the user left it: nothing was reset.
    void ExpectFormUntouched() {
        EXPECT_EQ(form.texts[FormControl::Address], "taro@example.jp");
        EXPECT_EQ(form.texts[FormControl::Subject], "Hello");
        EXPECT_EQ(form.texts[FormControl::Name], "taro@example.jp さんへ");
        EXPECT_EQ(form.iconIndex, 2);
        EXPECT_TRUE(form.previewShown);
        EXPECT_FALSE(form.nameEdited);
    }

    Events events;
    FakeForm form{events};
    FakeStore store{events};
    std::optional<std::string> folder = std::string("C:\\Mail");
    const std::string path = "C:\\Mail\\taro@example.jp さんへ.url";
};

// 200 bytes in all, part of them double-byte characters.
std::string AddressOfBytes(size_t bytes, const std::string& filler) {
    std::string address = "a@b.";
    while (address.size() + filler.size() <= bytes) {
        address += filler;
    }
    while (address.size() < bytes) {
        address += 'x';
    }
    return address;
}

TEST_F(CreateCommand, RefusesAnIncompleteRequestWithTheFirstFailedCheck) {
    const char* const kNoAddress = "メールアドレスが入力されていません";
    const char* const kTooLong =
        "メールアドレスが長すぎます。\n一度に沢山指定している場合は少なくして下さい";
    const char* const kNotAddress = "宛先が有効なメールアドレスでは無いように思えます";
    const char* const kNoFolder = "保存先を指定して下さい";
    const char* const kNoName = "ショートカット名を指定して下さい";
    struct Case {
        const char* what;
        std::string address;
        std::optional<std::string> folder;
        std::string name;
        const char* expected;
        FormControl focus;
    };
    const std::optional<std::string> none;
    const std::string mail = "C:\\Mail";
    const Case cases[] = {
        {"empty address", "", mail, "n", kNoAddress, FormControl::Address},
        {"empty address comes first", "", none, "", kNoAddress, FormControl::Address},
        {"201 ASCII bytes", AddressOfBytes(201, "x"), mail, "n", kTooLong, FormControl::Address},
        {"201 bytes, mostly double-byte", AddressOfBytes(201, "あ"), mail, "n", kTooLong,
         FormControl::Address},
        {"length is checked before the at sign", std::string(201, 'x'), none, "", kTooLong,
         FormControl::Address},
        {"no full stop", "taro@example", mail, "n", kNotAddress, FormControl::Address},
        {"no at sign", "taro.example.jp", mail, "n", kNotAddress, FormControl::Address},
        {"at sign only as the trail byte of the ideographic space", "taro　example.jp", mail, "n",
         kNotAddress, FormControl::Address},
        {"address is checked before the destination", "x", none, "", kNotAddress,
         FormControl::Address},
        {"no destination selected", "a@b.c", none, "n", kNoFolder, FormControl::Destinations},
        {"destination with an empty path", "a@b.c", std::string(), "n", kNoFolder,
         FormControl::Destinations},
        {"destination is checked before the name", "a@b.c", none, "", kNoFolder,
         FormControl::Destinations},
        {"empty name", "a@b.c", mail, "", kNoName, FormControl::Name},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        form.texts[FormControl::Address] = c.address;
        form.texts[FormControl::Name] = c.name;
        form.texts[FormControl::Subject] = "s";
        form.iconIndex = 1;
        store.existing.insert("C:\\Mail\\.url");  // an existing file changes nothing
        RunCreateCommand(form, store, c.folder, kIconFile);

        ASSERT_EQ(form.messages.size(), 1u) << c.what;
        EXPECT_EQ(form.messages[0].text, c.expected) << c.what;
        EXPECT_EQ(form.messages[0].caption, "確認") << c.what;
        EXPECT_EQ(form.messages[0].style, message_box::kWarning) << c.what;
        // The box first, then the focus; the file system is never asked.
        EXPECT_EQ(events, (Events{"message 確認", std::string("focus ") + ControlName(c.focus)}))
            << c.what;
        EXPECT_EQ(form.texts[FormControl::Address], c.address) << c.what;
        EXPECT_EQ(form.iconIndex, 1) << c.what;
    }
}

TEST_F(CreateCommand, AcceptsTheAddressesAtTheEdgeOfEachCheck) {
    const std::string cases[] = {
        AddressOfBytes(200, "x"), AddressOfBytes(200, "あ"), "@.", ".@", "表@ソ.jp",
    };
    for (const std::string& address : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        form.texts[FormControl::Address] = address;
        form.texts[FormControl::Name] = "n";
        RunCreateCommand(form, store, std::string("C:\\"), kIconFile);
        ASSERT_EQ(store.files.size(), 1u) << address;
        ASSERT_EQ(form.messages.size(), 1u) << address;
        EXPECT_EQ(form.messages[0].caption, "完了") << address;
    }
}

TEST_F(CreateCommand, WritesClosesReportsAndResetsInThisOrder) {
    Run();
    EXPECT_EQ(events, (Events{
                          "exists " + path,
                          "open " + path,
                          "close",
                          "message 完了",
                          "edited 0",
                          "icon 0",
                          "set Address=",
                          "set Name=",
                          "set Subject=",
                          "focus Address",
                          "clear preview",
                      }));
    ASSERT_EQ(store.files.size(), 1u);
    std::string body;
    for (const std::string& write : store.files[0]->writes) {
        body += write;
    }
    EXPECT_EQ(body,
              "[InternetShortcut]\nURL=mailto:taro@example.jp?Subject=Hello\n"
              "IconFile=C:\\ravlet\\ravlet.exe\nIconIndex=2\n");
    EXPECT_TRUE(store.files[0]->closed);
    EXPECT_FALSE(store.files[0]->discarded);
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].text, "taro@example.jp さんへのショートカットが作成されました");
    EXPECT_EQ(form.messages[0].style, message_box::kInformation);
    EXPECT_FALSE(form.previewShown);
}

TEST_F(CreateCommand, DriveRootGetsNoSecondBackslash) {
    folder = "C:\\";
    Run();
    EXPECT_EQ(events[0], "exists C:\\taro@example.jp さんへ.url");
}

TEST_F(CreateCommand, AfterSuccessTheNextShortcutHasTheStandardIcon) {
    Run();
    form.texts[FormControl::Address] = "b@c.d";
    form.texts[FormControl::Name] = "b";
    Run();
    ASSERT_EQ(store.files.size(), 2u);
    EXPECT_EQ(store.files[1]->writes.size(), 4u);
}

TEST_F(CreateCommand, ExistingFileAndNoLeavesEverythingAsItWas) {
    store.existing.insert(path);
    form.answers = {message_box::kNo};
    Run();
    ASSERT_EQ(form.messages.size(), 2u);
    EXPECT_EQ(form.messages[0].text, "taro@example.jp さんへ を上書きします\nよろしいですか？");
    EXPECT_EQ(form.messages[0].caption, "上書きしますか？");
    EXPECT_EQ(form.messages[0].style, message_box::kQuestion);
    EXPECT_EQ(form.messages[1].text, kAborted);
    EXPECT_EQ(form.messages[1].caption, "中断されました");
    EXPECT_EQ(form.messages[1].style, message_box::kWarning);
    EXPECT_TRUE(store.files.empty());
    EXPECT_EQ(form.focus, FormControl::Subject);
    ExpectFormUntouched();
}

TEST_F(CreateCommand, ExistingFileAndYesReplacesIt) {
    store.existing.insert(path);
    form.answers = {message_box::kYes};
    Run();
    ASSERT_EQ(store.files.size(), 1u);
    EXPECT_TRUE(store.files[0]->closed);
    ASSERT_EQ(form.messages.size(), 2u);
    EXPECT_EQ(form.messages[1].caption, "完了");
}

TEST_F(CreateCommand, OpenFailureRetriedUntilItSucceeds) {
    store.failingOpens = 2;
    form.answers = {message_box::kRetry, message_box::kRetry};
    Run();
    ASSERT_EQ(form.messages.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(
            form.messages[i].text,
            "ファイルの作成が出来ませんでした。\n有効な名前で無いか共有違反が考えられます\n\n" +
                path);
        EXPECT_EQ(form.messages[i].caption, "作成出来ません");
        EXPECT_EQ(form.messages[i].style, message_box::kErrorWithRetry);
    }
    EXPECT_EQ(form.messages[2].caption, "完了");
    ASSERT_EQ(store.files.size(), 1u);
    EXPECT_TRUE(store.files[0]->closed);
}

TEST_F(CreateCommand, OpenFailureRetriedThenCancelled) {
    store.failingOpens = 5;
    form.answers = {message_box::kRetry, message_box::kCancel};
    Run();
    ASSERT_EQ(form.messages.size(), 3u);
    EXPECT_EQ(form.messages[1].caption, "作成出来ません");
    EXPECT_EQ(form.messages[2].text, kAborted);
    EXPECT_EQ(form.messages[2].caption, "中断されました");
    EXPECT_EQ(std::count(events.begin(), events.end(), "open " + path), 2);
    ExpectFormUntouched();
}

// Names and folders Windows would turn into a device, a hidden stream or another file
// never reach the file system: no existence test, no question, no open; the retry box
// names the path until the user gives up.
TEST_F(CreateCommand, NamesAndFoldersTheFileSystemCannotTakeAreNeverTried) {
    struct Case {
        const char* what;
        std::string folder;
        std::string name;
        std::string shownPath;
    };
    const Case cases[] = {
        {"a device", "C:\\Mail", "NUL", "C:\\Mail\\NUL.url"},
        {"a device in any case, with an extension", "C:\\Mail", "com1.txt",
         "C:\\Mail\\com1.txt.url"},
        {"a device with trailing spaces", "C:\\Mail", "LPT9  ", "C:\\Mail\\LPT9  .url"},
        {"an alternate data stream", "C:\\Mail", "taro:x", "C:\\Mail\\taro:x.url"},
        {"a line feed in the name", "C:\\Mail", "a\nb", "C:\\Mail\\a\nb.url"},
        {"a name ending in a lone lead byte", "C:\\Mail", "taro\x83", "C:\\Mail\\taro\x83.url"},
        {"a folder ending in a lone lead byte", "C:\\Mail\\\x83", "taro",
         "C:\\Mail\\\x83\\taro.url"},
        {"a folder in the device namespace", "\\\\.\\C:\\Mail", "taro",
         "\\\\.\\C:\\Mail\\taro.url"},
        {"a folder behind the Win32 checks", "\\\\?\\C:\\Mail\\", "taro",
         "\\\\?\\C:\\Mail\\taro.url"},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        form.texts[FormControl::Address] = "taro@example.jp";
        form.texts[FormControl::Name] = c.name;
        store.existing.insert(c.shownPath);
        form.answers = {message_box::kRetry, message_box::kCancel};
        RunCreateCommand(form, store, c.folder, kIconFile);

        EXPECT_EQ(events, (Events{"message 作成出来ません", "message 作成出来ません",
                                  "message 中断されました"}))
            << c.what;
        ASSERT_EQ(form.messages.size(), 3u) << c.what;
        EXPECT_EQ(form.messages[0].text,
                  "ファイルの作成が出来ませんでした。\n有効な名前で無いか共有違反が考えられます"
                  "\n\n" +
                      c.shownPath)
            << c.what;
        EXPECT_EQ(form.messages[0].style, message_box::kErrorWithRetry) << c.what;
        EXPECT_EQ(form.texts[FormControl::Name], c.name) << c.what;
    }
}

// Another program can put line breaks into the one-line fields; they never reach the
// file, and the checks see the address as it will be written.
TEST_F(CreateCommand, ControlBytesFromAnotherProgramAreDropped) {
    form.texts[FormControl::Address] = "taro@example.jp\r\n";
    form.texts[FormControl::Subject] = "hello\r\nIconFile=\\\\evil\\s\\i.ico\r\nIconIndex=1";
    form.iconIndex = 0;
    Run();
    ASSERT_EQ(store.files.size(), 1u);
    std::string body;
    for (const std::string& write : store.files[0]->writes) {
        body += write;
    }
    EXPECT_EQ(body,
              "[InternetShortcut]\n"
              "URL=mailto:taro@example.jp?Subject=helloIconFile=\\\\evil\\s\\i.icoIconIndex=1\n");
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].text, "taro@example.jp さんへのショートカットが作成されました");

    // An address that is nothing but control bytes is an empty address.
    form.texts[FormControl::Address] = "\t\r\n";
    form.texts[FormControl::Name] = "n";
    Run();
    ASSERT_EQ(form.messages.size(), 2u);
    EXPECT_EQ(form.messages[1].text, "メールアドレスが入力されていません");
}

TEST_F(CreateCommand, LongNamesAndPathsAreNeverCutInMessages) {
    const std::string name =
        std::string(300, 'n') + std::string(100, 'x') + "表ソ" + std::string(200, 'y');
    form.texts[FormControl::Name] = name;
    const std::string longPath = "C:\\Mail\\" + name + ".url";
    store.existing.insert(longPath);
    store.failingOpens = 1;
    form.answers = {message_box::kYes, message_box::kCancel};
    Run();
    ASSERT_EQ(form.messages.size(), 3u);
    EXPECT_EQ(form.messages[0].text, name + " を上書きします\nよろしいですか？");
    EXPECT_EQ(form.messages[1].text,
              "ファイルの作成が出来ませんでした。\n有効な名前で無いか共有違反が考えられます\n\n" +
                  longPath);
}

TEST_F(CreateCommand, WriteFailureDeletesTheFileAndReportsNoSuccess) {
    store.failingWrite = 4;  // the subject
    try {
        Run();
        FAIL() << "the write failure was swallowed";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), path);
    }
    EXPECT_EQ(events, (Events{"exists " + path, "open " + path, "write failed", "discard"}));
    EXPECT_TRUE(form.messages.empty());
    ExpectFormUntouched();
}

TEST_F(CreateCommand, CloseFailureDeletesTheFileAndReportsNoSuccess) {
    store.failClose = true;
    try {
        Run();
        FAIL() << "the close failure was swallowed";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), path);
    }
    EXPECT_EQ(events, (Events{"exists " + path, "open " + path, "close", "discard"}));
    ASSERT_EQ(store.files.size(), 1u);
    EXPECT_TRUE(store.files[0]->discarded);
    EXPECT_TRUE(form.messages.empty());
    ExpectFormUntouched();
}

// The dialog raises change notifications when the command clears the fields; name
// suggestion runs on them like on typing.
class CreateCommandWithSuggestions : public CreateCommand {
protected:
    CreateCommandWithSuggestions() { RouteChangesToNameSuggestion(form); }
};

TEST_F(CreateCommandWithSuggestions, SuccessTurnsSuggestionsBackOn) {
    form.nameEdited = true;
    form.focus = FormControl::Address;
    Run();
    EXPECT_FALSE(form.nameEdited);
    form.SetFieldText(FormControl::Address, "hanako@example.jp");
    EXPECT_EQ(form.texts[FormControl::Name], "hanako@example.jp さんへ");
}

TEST_F(CreateCommandWithSuggestions, ClearingTheFocusedNameFieldCountsAsAnEdit) {
    form.nameEdited = true;
    form.focus = FormControl::Name;  // Enter pressed in the name field
    Run();
    EXPECT_TRUE(form.nameEdited);
}

TEST_F(CreateCommandWithSuggestions, RefusedOrAbortedCommandKeepsTheFlag) {
    form.nameEdited = true;
    form.texts[FormControl::Address] = "";
    Run();
    EXPECT_TRUE(form.nameEdited);

    form.texts[FormControl::Address] = "taro@example.jp";
    store.existing.insert(path);
    form.answers = {message_box::kNo};
    Run();
    EXPECT_TRUE(form.nameEdited);
}

}  // namespace
