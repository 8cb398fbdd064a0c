#include "shortcut/shortcut_reader.h"

#include <gtest/gtest.h>

#include "shortcut/shortcut_file.h"
#include "tests/native/iconv_code_page_spelling.h"
#include "tests/native/windows_reading_double.h"

namespace {

const IconvCodePageSpelling kCp932;

// Writes as the shortcut file does: each "\n" reaches the bytes as CR LF.
class CrLfStream : public TextStream {
public:
    void WriteString(std::string_view text) override {
        for (const char ch : text) {
            bytes += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        }
    }
    std::string bytes;
};

OpenedShortcut Opened(const std::string& bytes) {
    const ShortcutReading reading = ReadShortcut(bytes, kCp932);
    const auto* opened = std::get_if<OpenedShortcut>(&reading);
    return opened ? *opened : OpenedShortcut{};
}

std::string KeptText(const std::string& bytes, bool keepIconLines) {
    CrLfStream stream;
    WriteKeptLines(stream, SystemLines(bytes), keepIconLines);
    return stream.bytes;
}

TEST(ShortcutFileLines, ReadsTheFirstSectionAndKeepsEveryOtherLine) {
    struct Case {
        const char* what;
        std::string file;
        std::string url;
        std::string kept;
    };
    const Case cases[] = {
        {"LF, CR LF and a CR alone end lines; names without case; no line end at the end",
         "[InternetShortcut]\nHotKey=1601\r  url  =  mailto:x@b.jp \r\n Url = mailto:a@b.jp \r\n"
         "Modified=X",
         "mailto:x@b.jp", "HotKey=1601\r\nModified=X\r\n"},
        {"the first URL; the owned keys leave every [InternetShortcut] section; a header with "
         "blanks inside its brackets names another section",
         "[InternetShortcut]\r\nURL=mailto:first@b.jp\r\nURL=mailto:second@b.jp\r\nIconFile=x\r\n"
         "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n"
         "[internetshortcut]\r\nURL=mailto:third@b.jp\r\nIconIndex=2\r\nShowCommand=7\r\n"
         "[ InternetShortcut ]\r\nURL=x\r\n",
         "mailto:first@b.jp",
         "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n[internetshortcut]\r\n"
         "ShowCommand=7\r\n[ InternetShortcut ]\r\nURL=x\r\n"},
        {"a .A or .W header behind \\v, \\f or blanks is one, and goes with its section",
         "[InternetShortcut]\r\nURL=mailto:a@b.jp\r\n\v[InternetShortcut.A]\f\r\nURL=mailto:x@y."
         "jp\r\n"
         " \f[internetshortcut.w]\r\nURL=mailto:x@y.jp\r\n\v[X]\r\nY=1\r\n",
         "mailto:a@b.jp", "\v[X]\r\nY=1\r\n"},
        {"the section's own keys stay in it when another section comes first; owned keys "
         "before any section go too",
         "; made by "
         "hand\r\nIconFile=\\\\evil\\x.ico\r\n[Other]\r\nKey=1\r\n[InternetShortcut]\r\nURL=mailto:"
         "a@b.jp\r\n"
         "WorkingDirectory=C:\\\r\n",
         "mailto:a@b.jp", "WorkingDirectory=C:\\\r\n; made by hand\r\n[Other]\r\nKey=1\r\n"},
        {"blanks before a header's [; a second icon line goes too",
         " \t[InternetShortcut]\r\nURL=mailto:a@b.jp\r\nIconFile=a\r\nIconFile=b\r\nX=1\r\n"
         "\t [Other]\r\niconfile=c\r\n",
         "mailto:a@b.jp", "X=1\r\n\t [Other]\r\niconfile=c\r\n"},
        {"the shell's .A and .W copies are dropped, blank lines and comments kept",
         "[InternetShortcut]\r\nURL=mailto:a@b.jp\r\n\r\n[InternetShortcut.A]\r\nURL=mailto:a@b."
         "jp\r\n"
         "[InternetShortcut.W]\r\nURL=mailto:a@b.jp\r\n;end\r\n[X]\r\nY=\x95\x5C\r\n",
         "mailto:a@b.jp", "\r\n[X]\r\nY=\x95\x5C\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AsciiOr(SystemLines(c.file).url, "(none)"), c.url) << c.what;
        EXPECT_EQ(KeptText(c.file, false), c.kept) << c.what;
    }
}

// Read as Windows' profile functions read the file: "documented" rules from Microsoft's
// pages, "observed" ones from Wine's profile functions. "-" is a value not there.
TEST(ShortcutFileLines, ReadsAsTheProfileFunctionsDo) {
    struct Case {
        const char* rule;
        std::string file;
        std::string url;
        std::string urlA;
    };
    const std::string s = "[InternetShortcut]\r\n";
    const std::string a = "[InternetShortcut.A]\r\n";
    const Case cases[] = {
        // Observed: a header ends at the last "]" on its line.
        {"last ]", "[InternetShortcut]]\r\nURL=mailto:a@b.jp\r\n", "-", "-"},
        {"last ]", "[InternetShortcut] ]\r\nURL=mailto:a@b.jp\r\n", "-", "-"},
        {"last ]", "[InternetShortcut.A]x]\r\nURL=mailto:a@b.jp\r\n" + s + "URL=mailto:c@d.jp",
         "mailto:c@d.jp", "-"},
        {"last ]", "[InternetShortcut] \t\r\nURL=mailto:a@b.jp\r\n", "mailto:a@b.jp", "-"},
        // Observed: a "[" without "]" makes a key of the section it stands in, and a
        // "]" that is the trail byte of a kanji (ゾ) is none.
        {"no ]", "[InternetShortcut\r\nURL=mailto:a@b.jp\r\n", "-", "-"},
        {"no ]", s + "[InternetShortcut.A\r\nURL=mailto:a@b.jp\r\n", "mailto:a@b.jp", "-"},
        {"no ]", s + "[ゾ\r\nURL=mailto:a@b.jp\r\n", "mailto:a@b.jp", "-"},
        // Observed: \v and \f are trimmed with the blanks, around lines, names and values.
        {"\\v \\f", s + "\vURL=mailto:a@b.jp\r\n", "mailto:a@b.jp", "-"},
        {"\\v \\f", s + "\f URL\v=\fmailto:a@b.jp\v\r\n", "mailto:a@b.jp", "-"},
        {"\\v \\f", s + "URL=mailto:a@b.jp\r\n\f\v[InternetShortcut.A]\r\nURL=x\r\n",
         "mailto:a@b.jp", "x"},
        // Observed: a CR alone ends a line, as LF does.
        {"CR", s + "HotKey=1\rURL=mailto:a@b.jp\r\n", "mailto:a@b.jp", "-"},
        {"CR", "[InternetShortcut]\rURL=mailto:a@b.jp\r[InternetShortcut.A]\rURL=x",
         "mailto:a@b.jp", "x"},
        // Observed: only the first section of a name counts, an empty one too.
        {"first section", s + "HotKey=1\r\n" + s + "URL=mailto:a@b.jp\r\n", "-", "-"},
        {"first section",
         s + "URL=mailto:a@b.jp\r\n[internetshortcut.a]\r\n\r\n" + a + "URL=mailto:a@b.jp\r\n",
         "mailto:a@b.jp", "-"},
        // Observed: the first key of a name wins, one without "=" too (then it is missing).
        {"first key", s + "url=mailto:a@b.jp\r\nURL=mailto:c@d.jp\r\n", "mailto:a@b.jp", "-"},
        {"first key", s + "URL\r\nURL=mailto:c@d.jp\r\n", "-", "-"},
        {"first key", s + "URL=\r\nURL=mailto:c@d.jp\r\n", "", "-"},
        // Documented: quotes around a value are dropped, single or double, once.
        {"quotes", s + "URL=\"mailto:a@b.jp\"\r\n", "mailto:a@b.jp", "-"},
        {"quotes", s + "URL=mailto:a@b.jp\r\n" + a + "URL= 'mailto:a@b.jp' \r\n", "mailto:a@b.jp",
         "mailto:a@b.jp"},
        {"quotes", s + "URL=\"'mailto:a@b.jp'\"\r\n", "'mailto:a@b.jp'", "-"},
        {"quotes", s + "URL=\"mailto:a@b.jp'\r\n", "\"mailto:a@b.jp'", "-"},
        // Documented: names match without case.
        {"case", "[INTERNETSHORTCUT]\r\nuRl=mailto:a@b.jp\r\n[internetshortcut.A]\r\nurl=x",
         "mailto:a@b.jp", "x"},
    };
    for (const Case& c : cases) {
        const ShortcutFileLines lines = SystemLines(c.file);
        EXPECT_EQ(AsciiOr(lines.url, "-"), c.url) << c.rule << ": " << c.file;
        EXPECT_EQ(AsciiOr(lines.urlA, "-"), c.urlA) << c.rule << ": " << c.file;
    }
}

TEST(ShortcutReader, AFileReadAndWrittenAgainUnchangedIsTheSameBytes) {
    const std::string file =
        "[InternetShortcut]\r\nURL=mailto:a@b.jp?in-reply-to=%3Cm@x%3E&Subject=Q%26A%20見積"
        "&cc=c@d.jp&body=あ%0D%0A%09x\r\nIconFile=D:\\old\\ravlet.exe\r\nIconIndex=3\r\n"
        "HotKey=1601\r\n[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n";
    const OpenedShortcut opened = Opened(file);
    ShortcutRequest request;
    request.address = opened.message.address;
    request.subject = opened.message.subject;
    request.cc = opened.message.cc;
    request.bcc = opened.message.bcc;
    request.body = opened.message.body;
    request.iconIndex = opened.iconIndex;
    const ShortcutRewrite rewrite = {"D:\\Mail\\a.url", opened.lines, opened.keepsOwnIcon};
    EXPECT_EQ(ShortcutFileBytes(request, "D:\\old\\ravlet.exe", &rewrite), file);
}

TEST(ShortcutReader, ChoosesTheIcon) {
    struct Case {
        const char* iconLines;
        int iconIndex;
        bool keepsOwnIcon;
    };
    const Case cases[] = {
        {"", 0, false},
        {"IconFile=D:\\old place\\RAVLET.EXE\r\nIconIndex=5\r\n", 5, false},
        {"IconIndex= 1 \r\nIconFile=ravlet.exe\r\n", 1, false},
        {"IconFile=C:\\ravlet\\ravlet.exe\r\nIconIndex=0\r\n", 0, true},
        {"IconFile=C:\\ravlet\\ravlet.exe\r\nIconIndex=6\r\n", 0, true},
        {"IconFile=C:\\ravlet\\ravlet.exe\r\n", 0, true},
        {"IconFile=\\\\server\\share\\mail.ico\r\nIconIndex=2\r\n", 0, true},
        {"IconFile=C:\\ravlet\\notravlet.exe\r\nIconIndex=2\r\n", 0, true},
        {"IconFile=\r\nIconIndex=2\r\n", 0, false},
        {"IconFile=C:\\ravlet\\ravlet.exe\r\nIconIndex=2\r\nIconFile=\\\\evil\\x.ico\r\n", 2,
         false},
        {"IconFile=\\\\evil\\x.ico\r\nIconIndex=2\r\nIconFile=C:\\ravlet\\ravlet.exe\r\n", 0, true},
    };
    for (const Case& c : cases) {
        const std::string file =
            std::string("[InternetShortcut]\r\nURL=mailto:a@b.jp\r\n") + c.iconLines;
        const OpenedShortcut opened = Opened(file);
        EXPECT_EQ(opened.iconIndex, c.iconIndex) << c.iconLines;
        EXPECT_EQ(opened.keepsOwnIcon, c.keepsOwnIcon) << c.iconLines;
    }
    // Its own icon lines go back as they were written, in their order.
    const std::string ownIcon = "IconIndex=2\r\nIconFile=\\\\server\\share\\mail.ico\r\n";
    EXPECT_EQ(KeptText("[InternetShortcut]\r\nURL=mailto:a@b.jp\r\n" + ownIcon + "X=1\r\n", true),
              ownIcon + "X=1\r\n");
}

TEST(ShortcutReader, ReadsTheShellsUnicodeCopyWhileItDescribesTheUrl) {
    struct Case {
        const char* what;
        std::string sections;
        std::string subject;
    };
    // "+ZeVnLA-" is UTF-7 for 日本, "+T+4-" for 修, "+/14-" for ～; "+2D3eAA-" is a
    // character outside the code page.
    const Case cases[] = {
        {"the copy in the code page matches: the UTF-7 URL",
         "[InternetShortcut.A]\r\nURL=mailto:a@b.jp?Subject=??\r\n"
         "[InternetShortcut.W]\r\nURL=mailto:a@b.jp?Subject=+ZeVnLA-+-1\r\n",
         "日本+1"},
        {"base64 holding + and /",
         "[InternetShortcut.A]\r\nURL=mailto:a@b.jp?Subject=??\r\n"
         "[InternetShortcut.W]\r\nURL=mailto:a@b.jp?Subject=+T+4-+/14-\r\n",
         "修～"},
        {"the URL was changed since: the plain line",
         "[InternetShortcut.A]\r\nURL=mailto:a@b.jp?Subject=old\r\n"
         "[InternetShortcut.W]\r\nURL=mailto:a@b.jp?Subject=+ZeVnLA-\r\n",
         "??"},
    };
    for (const Case& c : cases) {
        const std::string file =
            "[InternetShortcut]\r\nURL=mailto:a@b.jp?Subject=??\r\n" + c.sections;
        EXPECT_EQ(Opened(file).message.subject, c.subject) << c.what;
    }
}

// On a system of another code page the file reads in that code page: each line becomes
// UTF-16 before any byte is taken for half of a code page 932 character, and what 932
// cannot spell is refused with its field's box.
TEST(ShortcutReader, ReadsInTheSystemsCodePage) {
    using Expected = std::variant<std::string, ShortcutRefusal, MailtoField>;
    const std::string s = "[InternetShortcut]\r\nURL=mailto:a@b.jp";
    const std::string envelope = "\r\nIconFile=C:\\Users\\Jos\xE9\\ravlet.exe\r\nIconIndex=3\r\n";
    const std::string utf8Envelope =
        "\r\nIconFile=C:\\Users\\Jos\xC3\xA9\\ravlet.exe\r\nIconIndex=3\r\n";
    struct Case {
        unsigned system;
        const char* what;
        std::string file;
        Expected expected;  // a string: the subject, the file opened
        int iconIndex;
    };
    const Case cases[] = {
        {932, "raw Shift-JIS", s + "?subject=\x82\xA0", "あ", 0},
        {1252, "raw Shift-JIS reads as U+201A U+00A0", s + "?subject=\x82\xA0",
         MailtoField::Subject, 0},
        {1252, "an e acute", s + "?cc=x@y.jp&subject=\xE9", MailtoField::Subject, 0},
        {1252, "in the address", "[InternetShortcut]\r\nURL=mailto:\xE9@b.jp", MailtoField::Address,
         0},
        {1252, "a multiplication sign 932 spells", s + "?subject=\xD7", "×", 0},
        {1252, "the folder Jos\xE9 ends at its \\", s + envelope, "", 3},
        {932, "where \xE9\\ is one character", s + envelope, "", 0},
        {1252, "\xE9] is no character: the ] ends a header",
         "[InternetShortcut]\r\n[X\xE9]\r\nURL=mailto:a@b.jp\r\n", ShortcutRefusal::NoUrl, 0},
        {65001, "UTF-8", s + "?subject=\xE3\x81\x82", "あ", 0},
        {65001, "an icon path in UTF-8", s + utf8Envelope, "", 3},
        {65001, "invalid UTF-8", s + "?subject=\xE3\x81", ShortcutRefusal::NotCodePageText, 0},
        {65001, "invalid UTF-8 outside the values", s + "\r\n;\xC3",
         ShortcutRefusal::NotCodePageText, 0},
        {65001, "raw Shift-JIS", s + "?subject=\x82\xA0", ShortcutRefusal::NotCodePageText, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.system) + ": " + c.what);
        const IconvSystemCodePage system(c.system);
        const WindowsProfileReading windows = AgreeingWindowsReading(c.file, c.system);
        const ShortcutReading reading = ReadShortcut(c.file, kCp932, &windows, &system);
        if (const auto* subject = std::get_if<std::string>(&c.expected)) {
            ASSERT_TRUE(std::holds_alternative<OpenedShortcut>(reading));
            const OpenedShortcut& opened = std::get<OpenedShortcut>(reading);
            EXPECT_EQ(opened.message.subject, *subject);
            EXPECT_EQ(opened.iconIndex, c.iconIndex);
            EXPECT_EQ(opened.keepsOwnIcon, c.iconIndex == 0 && c.file.find("Icon") != c.file.npos);
        } else if (const auto* refusal = std::get_if<ShortcutRefusal>(&c.expected)) {
            ASSERT_TRUE(std::holds_alternative<ShortcutRefusal>(reading));
            EXPECT_EQ(std::get<ShortcutRefusal>(reading), *refusal);
        } else {
            ASSERT_TRUE(std::holds_alternative<UnspellableField>(reading));
            EXPECT_EQ(std::get<UnspellableField>(reading).field, std::get<MailtoField>(c.expected));
        }
    }
    // An icon of its own, in a folder 932 cannot spell, goes back as the bytes it was.
    const std::string ownIcon = "IconFile=C:\\Jos\xE9\\mail.ico\r\nIconIndex=0\r\n";
    const std::string file = s + "\r\n" + ownIcon + "X=\xD7\r\n";
    const IconvSystemCodePage cp1252(1252);
    const ShortcutReading reading = ReadShortcut(file, kCp932, nullptr, &cp1252);
    ASSERT_TRUE(std::holds_alternative<OpenedShortcut>(reading));
    CrLfStream stream;
    WriteKeptLines(stream, std::get<OpenedShortcut>(reading).lines, true);
    EXPECT_EQ(stream.bytes, ownIcon + "X=\xD7\r\n");
}

TEST(ShortcutReader, Refusals) {
    using Expected = std::variant<ShortcutRefusal, MailtoField>;
    const std::string section = "[InternetShortcut]\r\n";
    const std::string shellCopies =
        "[InternetShortcut.A]\r\nURL=mailto:a@b.jp?cc=?\r\n[InternetShortcut.W]\r\n";
    struct Case {
        const char* what;
        std::string file;
        Expected expected;
    };
    const Case cases[] = {
        {"larger than 64 KiB", section + "URL=mailto:a@b.jp\r\n" + std::string(65536, ';'),
         ShortcutRefusal::TooLarge},
        {"no section", "URL=mailto:a@b.jp\r\n[Other]\r\nURL=mailto:a@b.jp\r\n",
         ShortcutRefusal::NoUrl},
        {"no URL", section + "IconFile=x\r\n[InternetShortcut.A]\r\nURL=mailto:a@b.jp\r\n",
         ShortcutRefusal::NoUrl},
        {"a web address", section + "URL=http://example.jp/\r\n", ShortcutRefusal::NotMailto},
        {"a value outside the code page names its field",
         section + "URL=mailto:a@b.jp?subject=%F0%9F%98%80\r\n", MailtoField::Subject},
        {"so does the shell's UTF-7 copy",
         section + "URL=mailto:a@b.jp?cc=?\r\n" + shellCopies + "URL=mailto:a@b.jp?cc=+2D3eAA-\r\n",
         MailtoField::Cc},
        {"a byte above 0x7F in the UTF-7 copy",
         section + "URL=mailto:a@b.jp?cc=?\r\n" + shellCopies + "URL=mailto:a@b.jp?cc=\x82\xA0\r\n",
         MailtoField::Address},
        {"in the address",
         section + "URL=mailto:a@b.jp?cc=?\r\n" + shellCopies + "URL=mailto:+2D3eAA-@b.jp?cc=?\r\n",
         MailtoField::Address},
    };
    for (const Case& c : cases) {
        const ShortcutReading reading = ReadShortcut(c.file, kCp932);
        if (const auto* refusal = std::get_if<ShortcutRefusal>(&c.expected)) {
            ASSERT_TRUE(std::holds_alternative<ShortcutRefusal>(reading)) << c.what;
            EXPECT_EQ(std::get<ShortcutRefusal>(reading), *refusal) << c.what;
        } else {
            ASSERT_TRUE(std::holds_alternative<UnspellableField>(reading)) << c.what;
            EXPECT_EQ(std::get<UnspellableField>(reading).field, std::get<MailtoField>(c.expected))
                << c.what;
        }
    }
    // 64 KiB itself is read.
    const std::string full = section + "URL=mailto:a@b.jp\r\n";
    EXPECT_EQ(Opened(full + std::string(kMaxShortcutFileBytes - full.size(), ';')).message.address,
              "a@b.jp");
}

}  // namespace
