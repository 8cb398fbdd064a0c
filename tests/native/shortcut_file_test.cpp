#include "shortcut/shortcut_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
        {"subject kept byte for byte: &, ?, spaces, Japanese", "taro@example.jp",
         "見積 & 納期? ソ表 a b", 3,
         "[InternetShortcut]\nURL=mailto:taro@example.jp?Subject=見積 & 納期? ソ表 a b\n"
         "IconFile=C:\\Program Files\\ravlet\\ravlet.exe\nIconIndex=3\n"},
        {"several recipients are one string", "a@example.jp,b@example.jp;c@example.jp", "", 0,
         "[InternetShortcut]\nURL=mailto:a@example.jp,b@example.jp;c@example.jp\n"},
        {"icon 5", "a@b.c", "", 5,
         "[InternetShortcut]\nURL=mailto:a@b.c\n"
         "IconFile=C:\\Program Files\\ravlet\\ravlet.exe\nIconIndex=5\n"},
    };
    for (const Case& c : cases) {
        RecordingStream stream;
        WriteMailtoShortcut(stream, c.address, c.subject, c.iconIndex, kIconFile);
        EXPECT_EQ(stream.Text(), c.expected) << c.what;
    }
}

TEST(MailtoShortcut, JapaneseSubjectIsWrittenAsShiftJisBytes) {
    RecordingStream stream;
    WriteMailtoShortcut(stream, "a@b.c", "表", 0, kIconFile);
    EXPECT_EQ(stream.Text(), "[InternetShortcut]\nURL=mailto:a@b.c?Subject=\x95\x5C\n");
}

TEST(MailtoShortcut, WritesInTheFixedSequence) {
    struct Case {
        std::string subject;
        int iconIndex;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", 0, {"[InternetShortcut]\n", "URL=mailto:", "a@b.c", "\n"}},
        {"Hi", 0, {"[InternetShortcut]\n", "URL=mailto:", "a@b.c", "?Subject=", "Hi", "\n"}},
        {"",
         1,
         {"[InternetShortcut]\n", "URL=mailto:", "a@b.c", "\n", "IconFile=C:\\x.exe", "\n",
          "IconIndex=1\n"}},
        {"Hi",
         4,
         {"[InternetShortcut]\n", "URL=mailto:", "a@b.c", "?Subject=", "Hi", "\n",
          "IconFile=C:\\x.exe", "\n", "IconIndex=4\n"}},
    };
    for (const Case& c : cases) {
        RecordingStream stream;
        WriteMailtoShortcut(stream, "a@b.c", c.subject, c.iconIndex, "C:\\x.exe");
        EXPECT_EQ(stream.writes, c.expected) << c.subject << " " << c.iconIndex;
    }
}

TEST(ShortcutPath, AddsOneBackslashBetweenFolderAndName) {
    struct Case {
        const char* what;
        std::string folder;
        std::string name;
        std::string expected;
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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildShortcutPath(c.folder, c.name), c.expected) << c.what;
    }
}

}  // namespace
