#include "opening/open_shortcut_command.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "shortcut/create_command.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/native/iconv_code_page_spelling.h"
#include "tests/native/shortcut_fakes.h"

namespace {

const IconvCodePageSpelling kCp932;
const std::string kFile =
    "[InternetShortcut]\r\nURL=mailto:taro@example.jp?Subject=%E9%80%B1%E5%A0%B1&cc=c@d.jp"
    "&body=a%0Ab\r\nIconFile=C:\\old\\ravlet.exe\r\nIconIndex=4\r\nHotKey=1601\r\n";

class OpenShortcutCommand : public ::testing::Test {
protected:
    OpenShortcutCommand() {
        RouteChangesToNameSuggestion(form);
        destinations.Fill({{"デスクトップ", "C:\\Users\\me\\Desktop"}}, settings);
    }

    std::optional<ShortcutRewrite> Open(const std::string& path, std::optional<std::string> bytes,
                                        bool belowTemp = false) {
        return RunOpenShortcutCommand(form, destinations, {path, std::move(bytes), belowTemp},
                                      kCp932);
    }

    Events events;
    FakeForm form{events};
    FakeDropDownList view;
    MemoryProfileSection settings;
    DestinationList destinations{view};
};

TEST_F(OpenShortcutCommand, FillsTheFormAndSelectsTheFilesFolder) {
    form.texts[FormControl::Name] = "old name";
    const auto opened = Open("c:\\users\\ME\\desktop\\週報.URL", kFile);
    ASSERT_TRUE(opened);
    EXPECT_EQ(form.texts[FormControl::Address], "taro@example.jp");
    EXPECT_EQ(form.texts[FormControl::Subject], "週報");
    EXPECT_EQ(form.texts[FormControl::Cc], "c@d.jp");
    EXPECT_EQ(form.texts[FormControl::Body], "a\r\nb");
    EXPECT_EQ(form.texts[FormControl::Name], "週報");
    EXPECT_TRUE(form.nameEdited);
    EXPECT_EQ(form.iconIndex, 4);
    EXPECT_TRUE(form.messages.empty());
    // The well-known folder, matched without regard to case; nothing added.
    EXPECT_EQ(view.Selection(), 0);
    EXPECT_EQ(destinations.count(), 1);
    EXPECT_EQ(opened->path, "c:\\users\\ME\\desktop\\週報.URL");
    EXPECT_EQ(opened->lines.keptLines, std::vector<std::string>{"HotKey=1601"});
}

TEST_F(OpenShortcutCommand, AddsAnUnlistedFolderUnlessTheFileIsBelowTheTemporaryFolder) {
    ASSERT_TRUE(Open("D:\\メール\\a.url", kFile));
    EXPECT_EQ(destinations.SelectedFolder(), "D:\\メール");
    ASSERT_TRUE(Open("E:\\a.url", kFile));
    EXPECT_EQ(destinations.SelectedFolder(), "E:\\");
    ASSERT_TRUE(Open("C:\\Temp\\x.zip\\a.url", kFile, true));
    EXPECT_EQ(destinations.SelectedFolder(), "E:\\");
    EXPECT_EQ(destinations.count(), 3);
}

TEST_F(OpenShortcutCommand, RefusalsShowTheirBoxAndChangeNothing) {
    struct Case {
        std::string path;
        std::optional<std::string> bytes;
        unsigned textId;
    };
    const Case cases[] = {
        {"C:\\a.txt", kFile, IDS_OPEN_NOT_URL_FILE},
        {"C:\\a.url", std::nullopt, IDS_OPEN_UNREADABLE},
        {"C:\\a.url", std::string(70000, ';'), IDS_OPEN_TOO_LARGE},
        {"C:\\a.url", "[Other]\r\nURL=mailto:a@b.jp\r\n", IDS_OPEN_NO_URL},
        {"C:\\a.url", "[InternetShortcut]\r\nURL=file://x/y.exe\r\n", IDS_OPEN_NOT_MAILTO},
        {"C:\\a.url", "[InternetShortcut]\r\nURL=mailto:a@b.jp?body=%F0%9F%98%80\r\n",
         IDS_OPEN_BODY_NOT_SPELLABLE},
        {"C:\\" + std::string(600, 'x') + "\\a.url", kFile, IDS_FOLDER_PATH_TOO_LONG},
    };
    for (const Case& c : cases) {
        form.messages.clear();
        events.clear();
        const bool opened = Open(c.path, c.bytes).has_value();
        EXPECT_FALSE(opened) << c.textId;
        ASSERT_EQ(form.messages.size(), 1u) << c.textId;
        EXPECT_EQ(form.messages[0].textId, c.textId);
        EXPECT_EQ(form.messages[0].value, c.textId == IDS_FOLDER_PATH_TOO_LONG ? "" : c.path);
        EXPECT_TRUE(events.size() == 1 && events[0].rfind("message", 0) == 0) << c.textId;
        EXPECT_EQ(destinations.count(), 1);
    }
}

HandedOverPath Folder(std::string path) {
    HandedOverPath item;
    item.path = std::move(path);
    item.isFolder = true;
    return item;
}

HandedOverPath File(std::string path, std::string bytes) {
    HandedOverPath item;
    item.path = std::move(path);
    item.bytes = std::move(bytes);
    return item;
}

// What is dropped or given as the argument: one item at a time, a folder as a
// destination, a file as a shortcut.
TEST_F(OpenShortcutCommand, HandedOverItemsAreOpenedOneAtATime) {
    struct Case {
        const char* what;
        size_t count;
        HandedOverPath item;
        std::vector<unsigned> messages;
        int count_after;
        std::optional<std::string> selected;
    };
    const std::string desktop = "C:\\Users\\me\\Desktop";
    const Case cases[] = {
        {"nothing", 0, {}, {}, 1, desktop},
        {"two items", 2, Folder("D:\\x"), {IDS_OPEN_ONE_AT_A_TIME}, 1, desktop},
        {"a path the code page cannot spell", 1, {}, {IDS_FOLDER_NOT_REPRESENTABLE}, 1, desktop},
        {"a listed folder, another case", 1, Folder("c:\\users\\me\\DESKTOP"), {}, 1, desktop},
        {"a new folder", 1, Folder("D:\\メール"), {}, 2, "D:\\メール"},
        {"a folder the list refuses",
         1,
         Folder("D:\\" + std::string(600, 'x')),
         {IDS_FOLDER_PATH_TOO_LONG},
         1,
         desktop},
        {"a shortcut", 1, File("E:\\週報.url", kFile), {}, 2, "E:\\"},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form{events};
        FakeDropDownList view;
        DestinationList list{view};
        list.Fill({{"デスクトップ", desktop}}, settings);
        bool described = false;
        const auto rewrite = RunOpenHandedOverCommand(
            form, list, c.count,
            [&] {
                described = true;
                return c.item;
            },
            kCp932);
        std::vector<unsigned> shown;
        for (const ShownMessage& message : form.messages) {
            shown.push_back(message.textId);
        }
        EXPECT_EQ(shown, c.messages) << c.what;
        EXPECT_EQ(described, c.count == 1) << c.what;
        EXPECT_EQ(list.count(), c.count_after) << c.what;
        EXPECT_EQ(list.SelectedFolder(), c.selected) << c.what;
        EXPECT_EQ(rewrite.has_value(), !c.item.isFolder && c.item.bytes.has_value()) << c.what;
    }
}

TEST_F(OpenShortcutCommand, CreateKeepsTheOtherLinesOnlyWhenItWritesTheOpenedFile) {
    FakeStore store{events};
    form.answers = {message_box::kYes, message_box::kOk, message_box::kOk};
    std::optional<ShortcutRewrite> opened = Open("D:\\Mail\\週報.url", kFile);
    opened->keepsOwnIcon = true;
    opened->lines.iconLines = {"IconFile=\\\\server\\x.ico"};
    form.iconIndex = 0;
    RunCreateCommand(form, store, destinations.SelectedFolder(), "C:\\ravlet\\ravlet.exe", &opened);
    ASSERT_EQ(store.written.size(), 1u);
    const std::string& body = store.written[0].bytes;
    EXPECT_EQ(body.substr(body.find("\nIconFile")),
              "\nIconFile=\\\\server\\x.ico\r\nHotKey=1601\r\n");
    EXPECT_FALSE(opened);

    // Opened again, written under another name: made from the fields alone.
    opened = Open("D:\\Mail\\週報.url", kFile);
    form.texts[FormControl::Name] = "別名";
    RunCreateCommand(form, store, destinations.SelectedFolder(), "C:\\ravlet\\ravlet.exe", &opened);
    ASSERT_EQ(store.written.size(), 2u);
    const std::string& second = store.written[1].bytes;
    EXPECT_EQ(second.substr(second.find("IconIndex")), "IconIndex=4\r\n");

    // Written again by a copy that has no icon file to name: the envelope stays.
    opened = Open("D:\\Mail\\週報.url", kFile);
    RunCreateCommand(form, store, destinations.SelectedFolder(), "", &opened);
    ASSERT_EQ(store.written.size(), 3u);
    const std::string& third = store.written[2].bytes;
    EXPECT_EQ(third.substr(third.find("\nIconFile")),
              "\nIconFile=C:\\old\\ravlet.exe\r\nIconIndex=4\r\nHotKey=1601\r\n");
}

}  // namespace
