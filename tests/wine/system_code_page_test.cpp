// The system's code page as Windows converts it: exact spellings only, and bytes that
// are no text of it refused. Under Wine any code page can be asked for by number.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "framework/exact_ansi.h"
#include "framework/exact_ansi_spelling.h"
#include "framework/windows_system_code_page.h"

namespace {

TEST(WindowsSystemCodePage, IsReadOnceFromTheSystem) {
    EXPECT_EQ(WindowsSystemCodePage().Number(), GetACP());
    EXPECT_TRUE(WindowsSystemCodePage(932).ReadsShiftJis());
    EXPECT_FALSE(WindowsSystemCodePage(65001).ReadsShiftJis());
}

TEST(WindowsSystemCodePage, SpellsOnlyWhatReadsBackTheSame) {
    const std::optional<std::string> none;
    const struct {
        unsigned codePage;
        std::u16string text;
        std::optional<std::string> bytes;
    } cases[] = {
        {1252, u"C:\\José\\", std::string("C:\\Jos\xE9\\")},
        {1252, u"C:\\ツール\\", none},
        // Best fit would make "¥" a "\" in 932 and "ā" an "a" in 1252.
        {932, u"a\u00A5b", none},
        {1252, u"\u0101", none},
        {932, u"表ソ", std::string("\x95\x5C\x83\x5C")},
        {65001, u"ツé", std::string("\xE3\x83\x84\xC3\xA9")},
        {65001, std::u16string(1, u'\xD800'), none},
        {65001, u"", std::string()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WindowsSystemCodePage(c.codePage).Spell(c.text), c.bytes) << c.codePage;
    }
}

TEST(WindowsSystemCodePage, DecodesOnlyTextOfItsCodePage) {
    const std::optional<std::u16string> none;
    const struct {
        unsigned codePage;
        std::string bytes;
        std::optional<std::u16string> text;
    } cases[] = {
        {1252, "Jos\xE9\\", std::u16string(u"José\\")},
        {1252, "\x82\xA0", std::u16string(u"\u201A\u00A0")},
        {932, "\x82\xA0", std::u16string(u"あ")},
        {932, "\x82", none},
        {65001, "\xE3\x81\x82", std::u16string(u"あ")},
        {65001, "\x82\xA0", none},
        {65001, "\xC0\xAF", none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WindowsSystemCodePage(c.codePage).Decode(c.bytes), c.text) << c.codePage;
    }
}

// The program's own conversion is code page 932 whatever the system's is.
TEST(ShiftJisConversion, DecodesAndSpellsCodePage932) {
    const ExactAnsiSpelling shiftJis;
    EXPECT_EQ(shiftJis.Decode("\x95\x5C\xB1"), std::u16string(u"表ｱ"));
    EXPECT_EQ(shiftJis.Decode("\x95"), std::nullopt);
    EXPECT_EQ(ExactAnsiText(L"表ｱ"), std::string("\x95\x5C\xB1"));
    EXPECT_EQ(ExactAnsiText(L"\u00E9"), std::nullopt);
}

}  // namespace
