#include "opening/open_shortcut_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "res/resource.h"
#include "shortcut/create_command.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/native/iconv_code_page_spelling.h"
#include "tests/native/shortcut_fakes.h"
#include "tests/native/windows_reading_double.h"

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

    // windowsDiffers, when given, changes what Windows reads from the file.
    std::optional<ShortcutRewrite> Open(
        const std::string& path, std::optional<std::string> bytes, bool belowTemp = false,
        const std::function<void(WindowsProfileReading&)>& windowsDiffers = {}) {
        WindowsProfileReading windows = AgreeingWindowsReading(bytes.value_or(""));
        if (windowsDiffers) {
            windowsDiffers(windows);
        }
        return RunOpenShortcutCommand(form, destinations,
                                      {path, std::move(bytes), belowTemp, windows}, kCp932);
    }

    Events events;
    FakeForm form{events};
    FakeDropDownList view;
    MemoryProfileSection settings;
    DestinationList destinations{view};
};

TEST_F(OpenShortcutCommand, FillsTheFormAndSelectsTheFilesFolder) {
    form.texts[FormControl::Name] = "old name";
    form.answers = {message_box::kYes};
    const auto opened = Open("c:\\users\\ME\\desktop\\週報.URL", kFile);
    ASSERT_TRUE(opened);
    EXPECT_EQ(form.texts[FormControl::Address], "taro@example.jp");
    EXPECT_EQ(form.texts[FormControl::Subject], "週報");
    EXPECT_EQ(form.texts[FormControl::Cc], "c@d.jp");
    EXPECT_EQ(form.texts[FormControl::Body], "a\r\nb");
    EXPECT_EQ(form.texts[FormControl::Name], "週報");
    EXPECT_TRUE(form.nameEdited);
    EXPECT_EQ(form.iconIndex, 4);
    // The typed name was pending: Yes discarded it.
    const ShownMessage question{IDS_CONFIRM_OPEN_DISCARDS_INPUT, IDS_CAPTION_OPEN_DISCARDS_INPUT,
                                message_box::kQuestionDefaultNo,
                                "c:\\users\\ME\\desktop\\週報.URL"};
    EXPECT_EQ(form.messages, std::vector<ShownMessage>{question});
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
        std::function<void(WindowsProfileReading&)> windowsDiffers = nullptr;
    };
    using W = WindowsProfileReading;
    const unsigned kOtherwise = IDS_OPEN_WINDOWS_READS_OTHERWISE;
    const std::string url = "[InternetShortcut]\r\nURL=mailto:a@b.jp\r\n";
    const std::string nul(1, '\0');
    const Case cases[] = {
        {"C:\\a.txt", kFile, IDS_OPEN_NOT_URL_FILE},
        // Bytes that readers disagree on, anywhere in the file: the reader's box.
        {"C:\\a.url", url.substr(0, url.size() - 2) + nul + "x@c.jp\r\n", IDS_OPEN_UNREADABLE},
        {"C:\\a.url", "[X]\r\nK=" + nul + "\r\n" + url, IDS_OPEN_UNREADABLE},
        {"C:\\a.url", "\xEF\xBB\xBF" + url, IDS_OPEN_UNREADABLE},
        {"C:\\a.url", "\xFF\xFE" + url, IDS_OPEN_UNREADABLE},
        {"C:\\a.url", "\xFE\xFF" + url, IDS_OPEN_UNREADABLE},
        {"C:\\a.url", "; \x82\r\n" + url, IDS_OPEN_UNREADABLE},
        {"C:\\a.url", "[Internet\x81\x7FShortcut]\r\n" + url, IDS_OPEN_UNREADABLE},
        {"C:\\a.url", url + "HotKey=\x82", IDS_OPEN_UNREADABLE},
        // Windows reads another value than the program: each of the five, and a value
        // the code page cannot spell.
        {"C:\\a.url", kFile, kOtherwise, [](W& w) { w.url = u"mailto:evil@x.jp"; }},
        {"C:\\a.url", kFile, kOtherwise, [](W& w) { w.url.reset(); }},
        {"C:\\a.url", kFile, kOtherwise, [](W& w) { w.urlA = u"mailto:evil@x.jp"; }},
        {"C:\\a.url", kFile, kOtherwise, [](W& w) { w.urlW = u""; }},
        {"C:\\a.url", kFile, kOtherwise, [](W& w) { w.iconFile = u"\\\\evil\\x.ico"; }},
        {"C:\\a.url", kFile, kOtherwise, [](W& w) { w.iconIndex.reset(); }},
        {"C:\\a.url", kFile, kOtherwise, [](W& w) { *w.url += u"\u20AC"; }},
        // Windows could not be asked at all: nothing can be vouched for.
        {"C:\\a.url", kFile, kOtherwise, [](W& w) { w.asked = false; }},
        // Before the reader's own refusals.
        {"C:\\a.url", "[InternetShortcut]\r\nURL=file://x/y.exe\r\n", kOtherwise,
         [](W& w) { w.url = u"mailto:a@b.jp"; }},
        {"C:\\v1.url\\readme", kFile, IDS_OPEN_NOT_URL_FILE},  // no dot in the file's name
        {"C:\\a.url", std::nullopt, IDS_OPEN_UNREADABLE},
        {"C:\\a.url", std::string(70000, ';'), IDS_OPEN_TOO_LARGE},
        {"C:\\a.url", "[Other]\r\nURL=mailto:a@b.jp\r\n", IDS_OPEN_NO_URL},
        {"C:\\a.url", "[InternetShortcut]\r\nURL=file://x/y.exe\r\n", IDS_OPEN_NOT_MAILTO},
        // Each field that the code page cannot spell names itself.
        {"C:\\a.url", "[InternetShortcut]\r\nURL=mailto:a@b.jp?body=%F0%9F%98%80\r\n",
         IDS_OPEN_BODY_NOT_SPELLABLE},
        {"C:\\a.url", "[InternetShortcut]\r\nURL=mailto:a@b.jp?CC=%F0%9F%98%80\r\n",
         IDS_OPEN_CC_NOT_SPELLABLE},
        {"C:\\a.url", "[InternetShortcut]\r\nURL=mailto:a@b.jp?bcc=%C3%BD\r\n",
         IDS_OPEN_BCC_NOT_SPELLABLE},
        {"C:\\a.url", "[InternetShortcut]\r\nURL=mailto:a@b.jp?cc=c@d.jp&Subject=%C3%BD\r\n",
         IDS_OPEN_SUBJECT_NOT_SPELLABLE},
        // (A raw lone lead byte in the address is refused for the whole file, above.)
        {"C:\\a.url",
         "[InternetShortcut]\r\nURL=mailto:a@b.jp\r\n[InternetShortcut.A]\r\nURL=mailto:a@b.jp\r\n"
         "[InternetShortcut.W]\r\nURL=mailto:+2D3eAA-@b.jp\r\n",
         IDS_OPEN_ADDRESS_NOT_SPELLABLE},
        {"C:\\" + std::string(600, 'x') + "\\a.url", kFile, IDS_FOLDER_PATH_TOO_LONG},
    };
    // Typed text is pending and would be given up: a file that cannot open never asks.
    form.texts[FormControl::Body] = "typed";
    form.answers = {message_box::kYes};
    for (const Case& c : cases) {
        form.messages.clear();
        events.clear();
        const bool opened = Open(c.path, c.bytes, false, c.windowsDiffers).has_value();
        EXPECT_FALSE(opened) << c.textId;
        ASSERT_EQ(form.messages.size(), 1u) << c.textId;
        EXPECT_EQ(form.messages[0].textId, c.textId);
        EXPECT_EQ(form.messages[0].value, c.textId == IDS_FOLDER_PATH_TOO_LONG ? "" : c.path);
        EXPECT_TRUE(events.size() == 1 && events[0].rfind("message", 0) == 0) << c.textId;
        EXPECT_EQ(destinations.count(), 1);
        EXPECT_EQ(form.texts[FormControl::Body], "typed");
    }
}

TEST_F(OpenShortcutCommand, AnythingButYesToTheQuestionKeepsThePendingInput) {
    // No, and a box that could not be shown.
    for (const int answer : {message_box::kNo, 0}) {
        form.texts = {{FormControl::Subject, "typed"}};
        form.unspellable = {FormControl::Cc};
        form.answers = {answer};
        events.clear();
        EXPECT_FALSE(Open("D:\\Mail\\週報.url", kFile));
        EXPECT_EQ(events, Events{MessageEvent(IDS_CONFIRM_OPEN_DISCARDS_INPUT)}) << answer;
        EXPECT_EQ(form.texts[FormControl::Subject], "typed");
        EXPECT_EQ(destinations.count(), 1);
        EXPECT_TRUE(form.InputPending());
    }
    // Only what the code page cannot spell is still typed text.
    form.texts.clear();
    form.answers = {message_box::kYes};
    ASSERT_TRUE(Open("D:\\Mail\\週報.url", kFile));
    EXPECT_EQ(form.messages.back().textId, IDS_CONFIRM_OPEN_DISCARDS_INPUT);
    EXPECT_EQ(destinations.SelectedFolder(), "D:\\Mail");
}

HandedOverPath Folder(std::string path) {
    HandedOverPath item;
    item.path = std::move(path);
    item.isFolder = true;
    return item;
}

HandedOverPath Unspellable(HandedOverPath item) {
    item.path.reset();
    return item;
}

HandedOverPath File(std::string path, std::string bytes) {
    HandedOverPath item;
    item.path = std::move(path);
    item.windows = AgreeingWindowsReading(bytes);
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
        {"a file the code page cannot spell",
         1,
         {},
         {IDS_DROPPED_FILE_NOT_REPRESENTABLE},
         1,
         desktop},
        {"a folder the code page cannot spell",
         1,
         Unspellable(Folder("")),
         {IDS_FOLDER_NOT_REPRESENTABLE},
         1,
         desktop},
        {"a listed folder, another case", 1, Folder("c:\\users\\me\\DESKTOP"), {}, 1, desktop},
        {"a listed folder with a trailing separator",
         1,
         Folder("C:\\Users\\me\\Desktop\\"),
         {},
         1,
         desktop},
        {"a new folder", 1, Folder("D:\\メール"), {}, 2, "D:\\メール"},
        {"a new folder with trailing separators", 1, Folder("D:\\表\\\\"), {}, 2, "D:\\表"},
        {"a drive root keeps its separator", 1, Folder("D:\\"), {}, 2, "D:\\"},
        {"so does a share root", 1, Folder("\\\\nas\\表\\"), {}, 2, "\\\\nas\\表\\"},
        {"a folder the list refuses",
         1,
         Folder("D:\\" + std::string(600, 'x')),
         {IDS_FOLDER_PATH_TOO_LONG},
         1,
         desktop},
        {"a shortcut",
         1,
         File("E:\\週報.url", kFile),
         {IDS_CONFIRM_OPEN_DISCARDS_INPUT},
         2,
         "E:\\"},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form{events};
        // With typed text pending only a shortcut that opens asks about it.
        form.texts[FormControl::Address] = "typed@example.jp";
        form.answers = {message_box::kYes};
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

// The kept lines and the icon come from the file as it is at Create, not as it was
// opened; a file the program can no longer read is written from the fields alone.
TEST_F(OpenShortcutCommand, CreateReadsTheOpenedFileAgain) {
    const std::string path = "D:\\Mail\\週報.url";
    const std::string ownIcon =
        "[InternetShortcut]\r\nURL=mailto:taro@example.jp\r\nIconFile=\\\\server\\x.ico\r\n"
        "HotKey=1601\r\n";
    struct Case {
        const char* what;
        std::string opened;
        std::string atCreate;  // empty: the file is gone
        int picked;            // the icon picked after the open, or -1
        std::string iconFilePath;
        std::string tail;  // the written file behind its URL line
    };
    const Case cases[] = {
        {"a hot key changed meanwhile is kept", kFile,
         "[InternetShortcut]\r\nURL=mailto:a@b.jp\r\nIconFile=C:\\old\\ravlet.exe\r\n"
         "IconIndex=4\r\nHotKey=1700\r\n",
         -1, "C:\\ravlet\\ravlet.exe",
         "IconFile=C:\\ravlet\\ravlet.exe\r\nIconIndex=4\r\nHotKey=1700\r\n"},
        {"an icon of its own, kept with its lines", ownIcon, ownIcon, -1, "C:\\ravlet\\ravlet.exe",
         "IconFile=\\\\server\\x.ico\r\nHotKey=1601\r\n"},
        {"an icon of its own given meanwhile", kFile, ownIcon, -1, "C:\\ravlet\\ravlet.exe",
         "IconFile=\\\\server\\x.ico\r\nHotKey=1601\r\n"},
        {"an envelope given meanwhile", ownIcon,
         "[InternetShortcut]\r\nURL=mailto:a@b.jp\r\nIconFile=D:\\ravlet.exe\r\nIconIndex=2\r\n",
         -1, "C:\\ravlet\\ravlet.exe", "IconFile=C:\\ravlet\\ravlet.exe\r\nIconIndex=2\r\n"},
        {"a picked icon wins over the file's", kFile, ownIcon, 4, "C:\\ravlet\\ravlet.exe",
         "IconFile=C:\\ravlet\\ravlet.exe\r\nIconIndex=4\r\nHotKey=1601\r\n"},
        {"the standard icon picked: no icon lines", kFile, kFile, 0, "C:\\ravlet\\ravlet.exe",
         "HotKey=1601\r\n"},
        {"no icon file to name: the envelope's lines stay", kFile, kFile, -1, "",
         "IconFile=C:\\old\\ravlet.exe\r\nIconIndex=4\r\nHotKey=1601\r\n"},
        {"no icon file to name, another envelope picked: no icon lines", kFile, kFile, 2, "",
         "HotKey=1601\r\n"},
        {"no icon file to name, another envelope picked: no icon lines", kFile, kFile, 2, "",
         "HotKey=1601\r\n"},
        {"a file no longer readable: the fields alone", kFile,
         "[InternetShortcut]\r\nURL=mailto:a@b.jp\r\nHotKey=1700\x82\r\n", -1,
         "C:\\ravlet\\ravlet.exe", "IconFile=C:\\ravlet\\ravlet.exe\r\nIconIndex=4\r\n"},
        {"a file gone: the fields alone", ownIcon, "", -1, "C:\\ravlet\\ravlet.exe", ""},
    };
    for (const Case& c : cases) {
        FakeStore store{events};
        std::optional<ShortcutRewrite> opened = Open(path, c.opened);
        ASSERT_TRUE(opened) << c.what;
        if (c.picked >= 0) {
            form.iconIndex = c.picked;
            opened->keepsOwnIcon = false;
            opened->iconPicked = true;
        }
        if (!c.atCreate.empty()) {
            store.Store(path, c.atCreate);
            store.existing.insert(path);
        }
        form.answers = {message_box::kYes};
        RunCreateCommand(form, store, destinations.SelectedFolder(), c.iconFilePath, &opened);
        ASSERT_EQ(store.written.size(), 1u) << c.what;
        const std::string& bytes = store.written[0].bytes;
        EXPECT_EQ(bytes.substr(bytes.find("\r\n", bytes.find("URL=")) + 2), c.tail) << c.what;
        EXPECT_FALSE(opened) << c.what;
    }

    // Written under another name: made from the fields alone, the opened file not read.
    std::optional<ShortcutRewrite> opened = Open(path, kFile);
    FakeStore store{events};
    store.Store(path, kFile);
    form.texts[FormControl::Name] = "別名";
    events.clear();
    RunCreateCommand(form, store, destinations.SelectedFolder(), "C:\\ravlet\\ravlet.exe", &opened);
    ASSERT_EQ(store.written.size(), 1u);
    EXPECT_EQ(store.written[0].bytes.substr(store.written[0].bytes.find("IconIndex")),
              "IconIndex=4\r\n");
    EXPECT_EQ(std::count(events.begin(), events.end(), "read " + path), 0);
}

// The first subject fills the box and the second stays with the address, where the
// user sees it; the Create command then asks the user to keep one.
TEST_F(OpenShortcutCommand, AFileWithTwoSubjectsIsOpenedButNotWrittenAsItIs) {
    FakeStore store{events};
    std::optional<ShortcutRewrite> opened = Open(
        "D:\\Mail\\a.url", "[InternetShortcut]\r\nURL=mailto:a@b.jp?subject=one&Subject=two\r\n");
    EXPECT_EQ(form.texts[FormControl::Subject], "one");
    EXPECT_EQ(form.texts[FormControl::Address], "a@b.jp?Subject=two");
    form.messages.clear();
    RunCreateCommand(form, store, destinations.SelectedFolder(), "", &opened);
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].textId, static_cast<unsigned>(IDS_SECOND_SUBJECT));
    EXPECT_TRUE(store.written.empty());
    EXPECT_TRUE(opened);
}

// A shortcut opened in the escaped form keeps it when written again, also on a system
// that reads code page 932; one with raw or only ASCII escapes is written raw there.
TEST_F(OpenShortcutCommand, TheEscapedFormOfAnOpenedShortcutIsKept) {
    const struct {
        const char* url;
        const char* written;
    } cases[] = {
        {"mailto:taro@example.jp?Subject=%E9%80%B1%E5%A0%B1",
         "URL=mailto:taro@example.jp?Subject=%E9%80%B1%E5%A0%B1\r\n"},
        {"mailto:taro@example.jp?Subject=\x8F\x54\x95\xF1",
         "URL=mailto:taro@example.jp?Subject=\x8F\x54\x95\xF1\r\n"},
        {"mailto:taro@example.jp?Subject=%8F%54%95%F1",
         "URL=mailto:taro@example.jp?Subject=\x8F\x54\x95\xF1\r\n"},
    };
    for (const auto& c : cases) {
        FakeStore store{events};
        ShortcutWriting writing{&kCp932, true, false};
        std::optional<ShortcutRewrite> opened =
            Open("D:\\Mail\\a.url", std::string("[InternetShortcut]\r\nURL=") + c.url + "\r\n");
        ASSERT_TRUE(opened) << c.url;
        form.answers = {message_box::kYes, message_box::kOk};
        RunCreateCommand(form, store, destinations.SelectedFolder(), "", &opened, &writing);
        ASSERT_EQ(store.written.size(), 1u) << c.url;
        const std::string& body = store.written[0].bytes;
        const size_t url = body.find("URL=");
        EXPECT_EQ(body.substr(url, body.find('\n', url) + 1 - url), c.written) << c.url;
    }
}

}  // namespace
