#include "ini/ini_document.h"

#include <gtest/gtest.h>

#include "tests/native/iconv_code_page_spelling.h"
#include "text/unicode_encoding.h"

namespace {

const IconvCodePageSpelling kCp932;

// One file's text written in each encoding and with each line end, so that each row of
// a table is read in every spelling a user's editor may give it.
struct Spelling {
    const char* name;
    ini::Encoding encoding;
    bool crLf;
};

constexpr Spelling kSpellings[] = {
    {"code page, CR LF", ini::Encoding::CodePage, true},
    {"code page, LF", ini::Encoding::CodePage, false},
    {"UTF-8, LF", ini::Encoding::Utf8, false},
    {"UTF-8 with mark, CR LF", ini::Encoding::Utf8WithMark, true},
    {"UTF-16 LE, CR LF", ini::Encoding::Utf16LeWithMark, true},
    {"UTF-16 LE, LF", ini::Encoding::Utf16LeWithMark, false},
};

std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string Utf16File(std::u16string_view text) {
    return "\xFF\xFE" + Utf16Bytes(text);
}

std::string FileBytes(std::u16string text, const Spelling& spelling) {
    if (spelling.crLf) {
        std::u16string withCr;
        for (const char16_t unit : text) {
            withCr += unit == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, unit);
        }
        text = withCr;
    }
    switch (spelling.encoding) {
        case ini::Encoding::CodePage:
            return kCp932.Spell(text).value();
        case ini::Encoding::Utf8:
            // Without a mark, only a byte beyond ASCII tells UTF-8.
            return unicode::ToUtf8(u";設定\n" + text).value();
        case ini::Encoding::Utf8WithMark:
            return "\xEF\xBB\xBF" + unicode::ToUtf8(text).value();
        case ini::Encoding::Utf16LeWithMark:
            return "\xFF\xFE" + Utf16Bytes(text);
    }
    return {};
}

ini::Document Parsed(const std::string& bytes) {
    auto parsed = ini::Document::Parse(bytes);
    EXPECT_TRUE(std::holds_alternative<ini::Document>(parsed));
    return std::holds_alternative<ini::Document>(parsed) ? std::get<ini::Document>(parsed)
                                                         : ini::Document(ini::Encoding::CodePage);
}

std::optional<std::string> Read(const ini::Document& document, const char* section,
                                const char* key) {
    const size_t line = document.FindKey(section, key);
    return line == ini::kNoLine ? std::nullopt : document.ValueText(line, kCp932);
}

TEST(IniDocument, ReadsValuesAsTheProfileFunctionsDo) {
    struct Case {
        const char* rule;
        std::u16string file;
        const char* section;
        const char* key;
        std::optional<std::u16string> value;
    };
    const Case cases[] = {
        {"documented: double quotes are dropped", u"[S]\nK=\"C:\\x\"\n", "S", "K", u"C:\\x"},
        {"documented: single quotes are dropped", u"[S]\nK='C:\\x'\n", "S", "K", u"C:\\x"},
        {"documented: unmatched quotes stay", u"[S]\nK=\"C:\\x'\n", "S", "K", u"\"C:\\x'"},
        {"documented: a lone quote stays", u"[S]\nK=\"\n", "S", "K", u"\""},
        {"documented: section names match without case", u"[combo_box]\nK=1\n", "COMBO_BOX", "K",
         u"1"},
        {"documented: key names match without case", u"[S]\nmenu_000=a\n", "S", "MENU_000", u"a"},
        {"documented: upper-case key names too", u"[S]\nSELECT_PATH=a\n", "s", "select_path", u"a"},
        {"observed: the header ends at the last ]", u"[S]x]\nK=1\n", "S]x", "K", u"1"},
        {"observed: the header's name is not trimmed", u"[ S ]\nK=1\n", "S", "K", std::nullopt},
        {"observed: a [ without ] is a key", u"[S]\n[T\nK=1\n", "S", "K", u"1"},
        {"observed: \\v and \\f are trimmed with the blanks", u"[S]\n\v\fK \t=\f v \v\n", "S", "K",
         u"v"},
        {"observed: blanks before a header's [", u" \t[S]\nK=1\n", "S", "K", u"1"},
        {"observed: the first section of a name wins", u"[S]\nA=1\n[s]\nK=2\n", "S", "K",
         std::nullopt},
        {"observed: the first key of a name wins", u"[S]\nK=1\nk=2\n", "S", "K", u"1"},
        {"observed: a key without = hides a later one", u"[S]\nK\nK=2\n", "S", "K", std::nullopt},
        {"observed: a key ahead of every header is in no section", u"K=1\n[S]\n", "S", "K",
         std::nullopt},
        {"observed: the value runs to the line's end, = and all", u"[S]\nK = a=b ; c\n", "S", "K",
         u"a=b ; c"},
        {"observed: a CR alone ends a line", u"[S]\rH=1\rK=a\rb\n", "S", "K", u"a"},
        {"observed: CR LF is one line end", u"[S]\nK=a\r\nK=b\n", "S", "K", u"a"},
        {"the trail byte ] of a kanji is no bracket", u"[S]ゾ\nK=1\n", "S", "K", u"1"},
        {"a value beyond ASCII", u"[S]\nK=D:\\表\\ソ\n", "S", "K", u"D:\\表\\ソ"},
        {"an empty value", u"[S]\nK=\n", "S", "K", u""},
    };
    for (const Spelling& spelling : kSpellings) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(spelling.name) + ": " + c.rule);
            const ini::Document document = Parsed(FileBytes(c.file, spelling));
            EXPECT_EQ(document.encoding(), spelling.encoding);
            const std::optional<std::string> expected =
                c.value ? kCp932.Spell(*c.value) : std::nullopt;
            EXPECT_EQ(Read(document, c.section, c.key), expected);
        }
    }
}

TEST(IniDocument, ReadsNumbersAsGetPrivateProfileIntDoes) {
    struct Case {
        const char* rule;
        std::u16string value;
        int number;
    };
    // The default is 7.
    const Case cases[] = {
        {"documented: a number", u"K=12", 12},
        {"observed: a sign", u"K=-1", -1},
        {"observed: a plus sign", u"K=+3", 3},
        {"observed: digits up to the first that is none", u"K=4x5", 4},
        {"observed: no digits read as 0", u"K=abc", 0},
        {"observed: an empty value gives the default", u"K=", 7},
        {"observed: quotes are dropped first", u"K=\"5\"", 5},
        {"documented for RtlUnicodeStringToInteger: 0x is hexadecimal", u"K=0x1F", 31},
        {"documented for RtlUnicodeStringToInteger: 0X is not", u"K=0X1F", 0},
        {"observed: a missing key gives the default", u"L=1", 7},
        {"observed: a key without = gives the default", u"K", 7},
        {"observed: only 29 characters are read", u"K=" + std::u16string(29, u'0') + u"9", 0},
    };
    for (const Spelling& spelling : kSpellings) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(spelling.name) + ": " + c.rule);
            const ini::Document document = Parsed(FileBytes(u"[S]\n" + c.value + u"\n", spelling));
            EXPECT_EQ(document.Number(document.FindKey("S", "K"), 7), c.number);
        }
    }
}

TEST(IniDocument, DecidesTheEncodingAsNotepadDoesAndRefusesWhatIsNoText) {
    struct Case {
        const char* what;
        std::string bytes;
        std::variant<ini::Encoding, ini::Refusal> decided;
    };
    const Case cases[] = {
        {"ASCII only", "[S]\r\nK=C:\\x\r\n", ini::Encoding::CodePage},
        {"Shift-JIS", "K=\x83\x5C\r\n", ini::Encoding::CodePage},
        {"UTF-8 throughout", "K=\xE8\xA1\xA8\r\n", ini::Encoding::Utf8},
        {"UTF-8 but for one byte", "K=\xE8\xA1\xA8\x83\r\n", ini::Encoding::CodePage},
        {"UTF-8 with its mark", "\xEF\xBB\xBFK=1", ini::Encoding::Utf8WithMark},
        {"UTF-16 LE with its mark", std::string("\xFF\xFEK\0", 4), ini::Encoding::Utf16LeWithMark},
        {"UTF-16 LE cut in a character", std::string("\xFF\xFEK\0=", 5), ini::Refusal::OddUtf16},
        {"a NUL without the mark", std::string("K=a\0b", 5), ini::Refusal::HoldsNul},
        {"UTF-16 BE", std::string("\xFE\xFF\0K", 4), ini::Refusal::HoldsNul},
        {"1 MiB", std::string(ini::kMaxFileBytes, ';'), ini::Encoding::CodePage},
        {"1 MiB and a byte", std::string(ini::kMaxFileBytes + 1, ';'), ini::Refusal::TooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ini::DetectEncoding(c.bytes), c.decided);
        const auto parsed = ini::Document::Parse(c.bytes);
        if (const auto* document = std::get_if<ini::Document>(&parsed)) {
            EXPECT_EQ(document->Bytes(), c.bytes);
        } else {
            EXPECT_EQ(std::get<ini::Refusal>(parsed), std::get<ini::Refusal>(c.decided));
        }
    }
}

TEST(IniDocument, WritesBackEveryLineAsItWasReadButTheKeysItSets) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    // Each sets K of [S] to "v" and deletes D.
    const Case cases[] = {
        {"in place, keeping the blanks before the value", "; c\r\n[S]\r\n K = old \r\nD=x\r\n",
         "; c\r\n[S]\r\n K = v\r\n"},
        {"LF line ends and no final one", "[S]\nD=1\nK=old", "[S]\nK=v"},
        {"a key without =", "[S]\nK\n", "[S]\nK=v\n"},
        {"added behind the section's last key", "[S]\nA=1\n\n; next\n[T]\nK=1\n",
         "[S]\nA=1\nK=v\n\n; next\n[T]\nK=1\n"},
        {"added behind a last key without a line end", "[S]\r\nA=1", "[S]\r\nA=1\r\nK=v\r\n"},
        {"the section added at the end", "[T]\r\nK=1", "[T]\r\nK=1\r\n[S]\r\nK=v\r\n"},
        {"into an empty file", "", "[S]\r\nK=v\r\n"},
        {"only the first section of the name", "[S]\nK=1\n[S]\nK=2\nD=3\n",
         "[S]\nK=v\n[S]\nK=2\nD=3\n"},
        {"every copy of a deleted key", "[S]\nD=1\nK=1\nd=2\n", "[S]\nK=v\n"},
        {"a CR alone ends a line", "[S]\rX=1\r[S]\nK=1\n", "[S]\rX=1\rK=v\n[S]\nK=1\n"},
        {"a CR alone and LF", "[S]\rX=1\n", "[S]\rX=1\nK=v\n"},
        {"UTF-16", Utf16File(u"[S]\r\nK=o"), Utf16File(u"[S]\r\nK=v")},
        {"UTF-16 with the section added", Utf16File(u";\n"), Utf16File(u";\n[S]\nK=v\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ini::Document document = Parsed(c.before);
        EXPECT_EQ(document.Bytes(), c.before);
        EXPECT_TRUE(document.SetText("S", "K", "v", kCp932));
        document.DeleteKey("S", "D");
        EXPECT_EQ(document.Bytes(), c.after);
    }
}

TEST(IniDocument, WritesCodePageTextInTheFilesEncodingOrNotAtAll) {
    const std::string kanji = kCp932.Spell(u"D:\\表").value();
    struct Case {
        const char* what;
        std::string file;
        std::string text;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"code page", "[S]\n", kanji, kanji},
        {"UTF-8", "[S]\n;\xE8\xA1\xA8\n", kanji, "D:\\\xE8\xA1\xA8"},
        {"UTF-8 with mark", "\xEF\xBB\xBF[S]\n", kanji, "D:\\\xE8\xA1\xA8"},
        {"UTF-16", Utf16File(u"[S]\n"), kanji, Utf16Bytes(u"D:\\表")},
        {"a lone lead byte into UTF-8", "\xEF\xBB\xBF[S]\n", "D:\\\x95", std::nullopt},
        {"a lone lead byte into the code page", "[S]\n", "D:\\\x95", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ini::Document document = Parsed(c.file);
        EXPECT_EQ(document.SetText("S", "K", c.text, kCp932), c.value.has_value());
        const size_t key = document.FindKey("S", "K");
        EXPECT_EQ(key == ini::kNoLine ? std::nullopt : document.Value(key), c.value);
    }
}

TEST(IniDocument, CarriesAValueTheCodePageCannotSpellVerbatim) {
    // "¥" and "€" have no Shift-JIS spelling; a best fit would read them as "\" and "?".
    for (const Spelling& spelling : {kSpellings[2], kSpellings[4]}) {
        SCOPED_TRACE(spelling.name);
        const std::string before = FileBytes(u"[S]\nA=\"D:\\Mail¥Archive\" \nB=€\n", spelling);
        ini::Document document = Parsed(before);
        const size_t a = document.FindKey("S", "A");
        EXPECT_EQ(document.ValueText(a, kCp932), std::nullopt);
        EXPECT_EQ(document.ValueText(document.FindKey("S", "B"), kCp932), std::nullopt);
        const std::string verbatim = document.VerbatimValue(a);
        document.SetVerbatim("S", "B", verbatim);
        document.SetVerbatim("S", "A", verbatim);
        EXPECT_EQ(document.Bytes(),
                  FileBytes(u"[S]\nA=\"D:\\Mail¥Archive\"\nB=\"D:\\Mail¥Archive\"\n", spelling));
    }
}

TEST(IniDocument, TellsEachLinesKindSectionNameAndValue) {
    const ini::Document document = Parsed("; top\r\n[A]\r\n\r\nk = \"v\"\r\n[B]x\r\nz");
    struct Row {
        ini::LineKind kind;
        size_t section;
        std::string name;
        std::optional<std::string> value;
    };
    const Row rows[] = {
        {ini::LineKind::Key, ini::kNoLine, "; top", std::nullopt},
        {ini::LineKind::Section, 1, "A", std::nullopt},
        {ini::LineKind::Other, 1, "", std::nullopt},
        {ini::LineKind::Key, 1, "k", "v"},
        {ini::LineKind::Section, 4, "B", std::nullopt},
        {ini::LineKind::Key, 4, "z", std::nullopt},
    };
    ASSERT_EQ(document.LineCount(), std::size(rows));
    for (size_t line = 0; line < std::size(rows); ++line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(document.Kind(line), rows[line].kind);
        EXPECT_EQ(document.SectionOf(line), rows[line].section);
        EXPECT_EQ(document.Name(line), rows[line].name);
        EXPECT_EQ(document.Value(line), rows[line].value);
    }
    EXPECT_EQ(document.End(3), "\r\n");
    EXPECT_EQ(document.End(5), "");
    EXPECT_EQ(document.VerbatimValue(3), "\"v\"");
}

}  // namespace
