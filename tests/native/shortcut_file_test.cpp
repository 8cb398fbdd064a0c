#include "shortcut/shortcut_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shortcut/shortcut_path.h"
#include "tests/shared/shortcut_request_of.h"

namespace {

class RecordingStream : public TextStream {
public:
    void WriteString(std::string_view text) override { writes.emplace_back(text); }
    std::string Text() const {
        std::string all;
        for (const std::string& write : writes) {
            all += write;
        }
        return all;
    }
    std::vector<std::string> writes;
};

const std::string kIconFile = "C:\\Program Files\\ravlet\\ravlet.exe";

TEST(MailtoShortcut, FileBodies) {
    struct Case {
        const char* what;
        std::string address;
        std::string subject;
        int iconIndex;
        std::string expected;
    };
    const Case cases[] = {
        {"no subject, standard icon: two lines, no question mark", "taro@example.jp", "", 0,
         "[InternetShortcut]\nURL=mailto:taro@example.jp\n"},
        {"subject, standard icon", "taro@example.jp", "Hello", 0,
         "[InternetShortcut]\nURL=mailto:taro@example.jp?Subject=Hello\n"},
        {"no subject, icon 3: four lines", "taro@example.jp", "", 3,
         "[InternetShortcut]\nURL=mailto:taro@example.jp\n"
         "IconFile=C:\\Program Files\\ravlet\\ravlet.exe\nIconIndex=3\n"},
        {"subject: ASCII delimiters escaped, Japanese as it is", "taro@example.jp",
         "見積 & 納期? ソ表 a b", 3,
         "[InternetShortcut]\nURL=mailto:taro@example.jp?Subject=見積%20%26%20納期%3F%20ソ表%20a%"
         "20b\n"
         "IconFile=C:\\Program Files\\ravlet\\ravlet.exe\nIconIndex=3\n"},
        {"several recipients are one string", "a@example.jp,b@example.jp;c@example.jp", "", 0,
         "[InternetShortcut]\nURL=mailto:a@example.jp,b@example.jp;c@example.jp\n"},
        {"icon 5", "a@b.c", "", 5,
         "[InternetShortcut]\nURL=mailto:a@b.c\n"
         "IconFile=C:\\Program Files\\ravlet\\ravlet.exe\nIconIndex=5\n"},
    };
    for (const Case& c : cases) {
        RecordingStream stream;
        WriteMailtoShortcut(stream, RequestOf(c.address, c.subject, c.iconIndex), kIconFile);
        EXPECT_EQ(stream.Text(), c.expected) << c.what;
    }
}

TEST(MailtoShortcut, WithoutAnIconFileThereAreNoIconLines) {
    RecordingStream stream;
    WriteMailtoShortcut(stream, RequestOf("a@b.c", "", 3), "");
    EXPECT_EQ(stream.Text(), "[InternetShortcut]\nURL=mailto:a@b.c\n");
}

TEST(MailtoShortcut, JapaneseSubjectIsWrittenAsShiftJisBytes) {
    RecordingStream stream;
    WriteMailtoShortcut(stream, RequestOf("a@b.c", "表", 0), kIconFile);
    EXPECT_EQ(stream.Text(), "[InternetShortcut]\nURL=mailto:a@b.c?Subject=\x95\x5C\n");
}

TEST(MailtoShortcut, WritesInTheFixedSequence) {
    struct Case {
        std::string subject;
        int iconIndex;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", 0, {"[InternetShortcut]\n", "URL=", "mailto:a@b.c", "\n"}},
        {"Hi", 0, {"[InternetShortcut]\n", "URL=", "mailto:a@b.c?Subject=Hi", "\n"}},
        {"",
         1,
         {"[InternetShortcut]\n", "URL=", "mailto:a@b.c", "\n", "IconFile=C:\\x.exe", "\n",
          "IconIndex=1\n"}},
        {"Hi",
         4,
         {"[InternetShortcut]\n", "URL=", "mailto:a@b.c?Subject=Hi", "\n", "IconFile=C:\\x.exe",
          "\n", "IconIndex=4\n"}},
    };
    for (const Case& c : cases) {
        RecordingStream stream;
        WriteMailtoShortcut(stream, RequestOf("a@b.c", c.subject, c.iconIndex), "C:\\x.exe");
        EXPECT_EQ(stream.writes, c.expected) << c.subject << " " << c.iconIndex;
    }
}

TEST(MailtoShortcut, ControlBytesNeverReachTheFile) {
    struct Case {
        const char* what;
        std::string address;
        std::string subject;
        std::string urlLine;
    };
    const Case cases[] = {
        {"lines smuggled into the subject", "a@b.c",
         "hello\r\nIconFile=\\\\evil\\s\\i.ico\r\nIconIndex=1",
         "URL=mailto:a@b.c?Subject=helloIconFile%3D%5C%5Cevil%5Cs%5Ci.icoIconIndex%3D1\n"},
        {"line feed in the address", "a@b.c\nIconIndex=9", "", "URL=mailto:a@b.cIconIndex=9\n"},
        {"every control byte and DEL",
         std::string("a\x01\t@\x1F\x7F"
                     "b.c",
                     9),
         std::string("\x1B\0\x7F", 3), "URL=mailto:a@b.c\n"},
        {"a subject of control bytes only is no subject", "a@b.c", "\r\n", "URL=mailto:a@b.c\n"},
        {"a line feed after a lead byte still goes", "a@b.c", "\x83\n\x83\x5C",
         "URL=mailto:a@b.c?Subject=\x83\x83%5C\n"},
    };
    for (const Case& c : cases) {
        RecordingStream stream;
        WriteMailtoShortcut(stream, RequestOf(c.address, c.subject, 2), "C:\\x.exe");
        EXPECT_EQ(stream.Text(),
                  "[InternetShortcut]\n" + c.urlLine + "IconFile=C:\\x.exe\nIconIndex=2\n")
            << c.what;
    }
}

TEST(ShortcutPath, AddsOneBackslashBetweenFolderAndName) {
    struct Case {
        const char* what;
        std::string folder;
        std::string name;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"drive root keeps its single backslash", "C:\\", "taro", "C:\\taro.url"},
        {"folder without a trailing backslash gets one", "C:\\Mail", "taro", "C:\\Mail\\taro.url"},
        {"folder with a trailing backslash gets no second", "C:\\Mail\\", "taro",
         "C:\\Mail\\taro.url"},
        {"trail byte 0x5C of ソ is not a backslash", "C:\\ソ", "taro", "C:\\ソ\\taro.url"},
        {"trail byte 0x5C of 表 is not a backslash", "D:\\予定表", "x", "D:\\予定表\\x.url"},
        {"表 followed by a real backslash", "D:\\表\\", "x", "D:\\表\\x.url"},
        {"name used as typed", "C:\\Mail", "a|b?* さんへ", "C:\\Mail\\a|b?* さんへ.url"},
        // A lone lead byte would take the "\\" or the "." as its trail byte.
        {"folder ending in a lone lead byte", "D:\\Mail\\\x83", "taro", std::nullopt},
        {"folder ending in a lead byte after a backslash", "D:\\\x83", "x", std::nullopt},
        {"name ending in a lone lead byte", "D:\\Mail", "taro\x83", std::nullopt},
        {"name of one lead byte", "D:\\Mail", "\xE0", std::nullopt},
        {"a whole character ending the name is fine", "D:\\Mail", "taro\x83\x5C",
         "D:\\Mail\\taro\x83\x5C.url"},
        {"a lead byte pair at the end of the folder is whole", "D:\\\x83\x83", "x",
         "D:\\\x83\x83\\x.url"},
        // The first and last lead bytes of both ranges, and the bytes just outside them.
        {"0x81 is a lead byte", "D:\\\x81", "x", std::nullopt},
        {"0x9F is a lead byte", "D:\\\x9F", "x", std::nullopt},
        {"0xE0 is a lead byte", "D:\\\xE0", "x", std::nullopt},
        {"0xFC is a lead byte", "D:\\\xFC", "x", std::nullopt},
        {"0x80 is a whole character", "D:\\\x80", "x", "D:\\\x80\\x.url"},
        {"0xA0 is a whole character", "D:\\\xA0", "x", "D:\\\xA0\\x.url"},
        {"0xDF is a whole character", "D:\\\xDF", "x", "D:\\\xDF\\x.url"},
        {"0xFD is a whole character", "D:\\\xFD", "x", "D:\\\xFD\\x.url"},
        {"a character of the 0xFA row ending in 0x5C", "D:\\\xFA\\", "x", "D:\\\xFA\\\\x.url"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildShortcutPath(c.folder, c.name), c.expected) << c.what;
    }
}

TEST(ShortcutPath, FoldersThatCanHoldShortcuts) {
    struct Case {
        std::string folder;
        bool usable;
    };
    const Case cases[] = {
        {"C:\\Mail", true},
        {"C:\\", true},
        {"\\\\server\\share\\mail", true},
        {"D:\\ソフト\\表", true},      // trail bytes 0x5C
        {"\\\\.folder\\share", true},  // a server whose name starts with a dot
        {"D:\\Mail\x7F", true},        // DEL is a legal name character
        {"", false},
        {"D:\\Mail\\\x83", false},  // unfinished last character
        {"D:\\Ma\til", false},
        {"D:\\Mail\nIconFile=x", false},
        {std::string("D:\\Mail\0x", 9), false},
        {"\\\\.\\COM1", false},
        {"\\\\.\\C:\\Mail", false},
        {"\\\\?\\C:\\Mail", false},
        {"//./C:/Mail", false},
        {"\\\\?/UNC/server/share", false},
        {"\\??\\C:\\Mail", false},
        {"\\?\?/C:/Mail", false},  // "\??/", written so as to be no trigraph
        {"/?\?/C:/Mail", false},
        {"\\\\.", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsUsableFolder(c.folder), c.usable) << c.folder;
    }
}

TEST(ShortcutPath, NamesWindowsCannotKeepAsAVisibleFile) {
    struct Case {
        std::string name;
        bool refused;
    };
    const Case cases[] = {
        // Devices, the way Windows recognises them.
        {"NUL", true},
        {"nul", true},
        {"Con", true},
        {"PRN", true},
        {"aux", true},
        {"COM1", true},
        {"com9", true},
        {"LPT1", true},
        {"lpt9", true},
        {"NUL.txt", true},
        {"con.tar.gz", true},
        {"NUL   ", true},
        {"AUX .x", true},
        {"NUL.", true},
        {"sub\\NUL", true},
        {"sub/com1", true},
        {"表\\CON", true},
        // Names that only start like one, or hide one elsewhere.
        {"NULL", false},
        {"CONSOLE", false},
        {"COM10", false},
        {"COM0", false},
        {"LPT", false},
        {"aux1", false},
        {" NUL", false},
        {"NUL x", false},
        {"xNUL", false},
        {"NUL\\x", false},
        {"ＮＵＬ", false},
        // Streams, control bytes and unfinished characters.
        {"taro:x", true},
        {"a:b", true},
        {":", true},
        {"a\tb", true},
        {"a\nb", true},
        {std::string("a\0b", 3), true},
        {"taro\x83", true},
        // Ordinary names, also those the open itself refuses.
        {"taro@example.jp さんへ", false},
        {"ソ表", false},
        {"a|b", false},
        {"a?b*", false},
        {"del\x7F", false},
        {"\x83:x", true},  // 0x3A is never a trail byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRefusedName(c.name), c.refused) << c.name;
    }
}

}  // namespace
