// The Create command against the real file system, with a stand-in for the dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "framework/exact_ansi.h"
#include "res/resource.h"
#include "shortcut/create_command.h"
#include "shortcut/win32_shortcut_store.h"
#include "tests/native/shortcut_fakes.h"
#include "tests/wine/scratch_folder.h"

namespace {

using TextIds = std::vector<unsigned>;
const unsigned kCannotCreate = IDS_CANNOT_CREATE_FILE;
const unsigned kOverwrite = IDS_CONFIRM_OVERWRITE;
const unsigned kAborted = IDS_ABORTED;
const unsigned kCreated = IDS_SHORTCUT_CREATED;

class CreateCommandOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.created());
        form.texts[FormControl::Address] = "taro@example.jp";
        form.texts[FormControl::Name] = "taro";
    }
    void Run() { RunCreateCommand(form, store, folder.path(), "C:\\ravlet\\ravlet.exe"); }
    TextIds Messages() const {
        TextIds ids;
        for (const ShownMessage& message : form.messages) {
            ids.push_back(message.textId);
        }
        return ids;
    }

    ScratchFolder folder{"D:\\", "create-command-test"};
    Win32ShortcutStore store;
    Events events;
    FakeForm form{events};
};

TEST_F(CreateCommandOnDisk, WritesTheShortcutAndReportsIt) {
    Run();
    EXPECT_EQ(Messages(), TextIds{kCreated});
    EXPECT_EQ(ReadWholeFile(folder / "taro.url"),
              "[InternetShortcut]\r\nURL=mailto:taro@example.jp\r\n");
}

// A shortcut as long as a plain name may be: the new file beside it passes MAX_PATH, and
// Windows' profile functions still read it back before it takes the shortcut's place.
TEST_F(CreateCommandOnDisk, WritesAShortcutOf255CharactersAndLeavesNothingBeside) {
    const std::string deep = folder / std::string(245 - folder.path().size(), 'd');
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + WideFromAnsi(deep)).c_str(), nullptr));
    const std::string target = deep + "\\taro.url";
    ASSERT_EQ(target.size(), 255u);
    for (const bool again : {false, true}) {
        form.messages.clear();
        form.answers = {message_box::kYes};
        form.texts[FormControl::Address] = "taro@example.jp";
        form.texts[FormControl::Name] = "taro";
        RunCreateCommand(form, store, deep, "C:\\ravlet\\ravlet.exe");
        EXPECT_EQ(Messages(), (again ? TextIds{kOverwrite, kCreated} : TextIds{kCreated}));
        EXPECT_EQ(ReadWholeFile(target), "[InternetShortcut]\r\nURL=mailto:taro@example.jp\r\n");
        EXPECT_EQ(EntriesIn(deep), 1);
    }
}

TEST_F(CreateCommandOnDisk, DeviceNamesAndBadCharactersBringUpTheRetryBox) {
    struct Case {
        const char* name;
        std::deque<int> answers;
        TextIds messages;
    };
    const int retry = message_box::kRetry, cancel = message_box::kCancel;
    // A search finds a device under any folder, but there is no file to replace: no
    // overwrite question, straight to the retry box.
    const Case cases[] = {
        {"NUL", {retry, cancel}, {kCannotCreate, kCannotCreate, kAborted}},
        {"COM1", {retry, cancel}, {kCannotCreate, kCannotCreate, kAborted}},
        {"AUX", {retry, cancel}, {kCannotCreate, kCannotCreate, kAborted}},
        {"CON", {retry, cancel}, {kCannotCreate, kCannotCreate, kAborted}},
        {"lpt1", {retry, cancel}, {kCannotCreate, kCannotCreate, kAborted}},
        {"a|b", {retry, cancel}, {kCannotCreate, kCannotCreate, kAborted}},
    };
    for (const Case& c : cases) {
        form.messages.clear();
        form.texts[FormControl::Name] = c.name;
        form.answers = c.answers;
        Run();
        EXPECT_EQ(Messages(), c.messages) << c.name;
        const std::string fullPath = folder / c.name + ".url";
        for (const ShownMessage& message : form.messages) {
            if (message.textId == kCannotCreate) {
                EXPECT_EQ(message.value, fullPath) << c.name;
            }
        }
    }
    EXPECT_EQ(EntriesIn(folder.path()), 0);
}

TEST_F(CreateCommandOnDisk, WildcardNameMatchingAFileAsksBeforeOpening) {
    Run();  // taro.url
    form.messages.clear();
    form.texts[FormControl::Address] = "taro@example.jp";
    form.texts[FormControl::Name] = "t?ro";
    form.answers = {message_box::kYes, message_box::kCancel};
    Run();
    EXPECT_EQ(Messages(), (TextIds{kOverwrite, kCannotCreate, kAborted}));
}

TEST_F(CreateCommandOnDisk, FolderOfTheSameNameIsAskedAboutAndThenCannotBeOpened) {
    ASSERT_TRUE(CreateDirectoryA((folder / "taro.url").c_str(), nullptr));
    form.answers = {message_box::kYes, message_box::kCancel};
    Run();
    EXPECT_EQ(Messages(), (TextIds{kOverwrite, kCannotCreate, kAborted}));
}

TEST_F(CreateCommandOnDisk, ExistingShortcutIsReplacedAfterYes) {
    form.texts[FormControl::Subject] = "first";
    Run();
    form.messages.clear();
    form.texts[FormControl::Address] = "taro@example.jp";
    form.texts[FormControl::Name] = "taro";
    form.answers = {message_box::kYes};
    Run();
    EXPECT_EQ(Messages(), (TextIds{kOverwrite, kCreated}));
    EXPECT_EQ(ReadWholeFile(folder / "taro.url"),
              "[InternetShortcut]\r\nURL=mailto:taro@example.jp\r\n");
}

// A store on the real file system where another program makes the file right after
// the command looked for it.
class StoreWhereAFileAppears : public Win32ShortcutStore {
public:
    bool Exists(const std::string& path) override {
        const bool exists = Win32ShortcutStore::Exists(path);
        if (!exists) {
            WriteFileBytes(path, "theirs");
        }
        return exists;
    }
};

TEST_F(CreateCommandOnDisk, AFileThatAppearedMeanwhileIsReplacedOnlyAfterTheQuestion) {
    StoreWhereAFileAppears appearing;
    form.answers = {message_box::kNo};
    RunCreateCommand(form, appearing, folder.path(), "C:\\ravlet\\ravlet.exe");
    EXPECT_EQ(Messages(), (TextIds{kOverwrite, kAborted}));
    EXPECT_EQ(ReadWholeFile(folder / "taro.url"), "theirs");
    EXPECT_EQ(EntriesIn(folder.path()), 1);

    ASSERT_TRUE(DeleteFileA((folder / "taro.url").c_str()));
    form.messages.clear();
    form.answers = {message_box::kYes};
    RunCreateCommand(form, appearing, folder.path(), "C:\\ravlet\\ravlet.exe");
    EXPECT_EQ(Messages(), (TextIds{kOverwrite, kCreated}));
    EXPECT_EQ(ReadWholeFile(folder / "taro.url"),
              "[InternetShortcut]\r\nURL=mailto:taro@example.jp\r\n");
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

}  // namespace
