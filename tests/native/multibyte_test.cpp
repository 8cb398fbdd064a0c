#include "text/multibyte.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "ソ" is 0x83 0x5C and "表" is 0x95 0x5C: their trail byte is "\".
// The ideographic space "　" is 0x81 0x40: its trail byte is "@".
TEST(MultibyteText, SourceLiteralsAreShiftJis) {
    EXPECT_EQ(std::string("ソ"), "\x83\x5C");
    EXPECT_EQ(std::string("表"), "\x95\x5C");
    EXPECT_EQ(std::string("　"), "\x81\x40");
    EXPECT_EQ(std::string("ｱ"), "\xB1");  // half-width katakana is one byte
}

TEST(MultibyteText, FindCharSkipsTrailBytes) {
    struct Case {
        std::string text;
        char ch;
        size_t expected;
    };
    const Case cases[] = {
        {"a\\b", '\\', 1},    {"ソ", '\\', std::string::npos}, {"表\\", '\\', 2},
        {"ソ表x\\", '\\', 5}, {"　", '@', std::string::npos},  {"a　@", '@', 3},
        {"ｱ@", '@', 1},       {"", '@', std::string::npos},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mbtext::FindChar(c.text, c.ch), c.expected) << c.text;
    }
}

TEST(MultibyteText, LoneLeadByteAtTheEndIsOneCharacter) {
    const std::string text = "ab\x83";
    EXPECT_EQ(mbtext::CharLength(text, 2), 1u);
    EXPECT_EQ(mbtext::LastCharPos(text), 2u);
    EXPECT_EQ(mbtext::FindChar(text, '\\'), std::string::npos);
    // A lone lead byte swallows nothing past the end of a view either.
    const std::string backing = "x\x83\\";
    const std::string_view cut(backing.data(), 2);
    EXPECT_EQ(mbtext::FindChar(cut, '\\'), std::string::npos);
    EXPECT_FALSE(mbtext::EndsWithChar(cut, '\\'));
}

TEST(MultibyteText, EndsWithCharLooksAtWholeLastCharacter) {
    EXPECT_TRUE(mbtext::EndsWithChar("C:\\", '\\'));
    EXPECT_FALSE(mbtext::EndsWithChar("C:\\ソ", '\\'));
    EXPECT_FALSE(mbtext::EndsWithChar("C:\\表", '\\'));
    EXPECT_TRUE(mbtext::EndsWithChar("C:\\ソ\\", '\\'));
    EXPECT_FALSE(mbtext::EndsWithChar("", '\\'));
}

TEST(MultibyteText, ReplaceCharReplacesOnlyWholeCharacters) {
    EXPECT_EQ(mbtext::ReplaceChar("a\\ソ\\表", '\\', ' '), "a ソ 表");
    EXPECT_EQ(mbtext::ReplaceChar("　@　", '@', ' '), "　 　");
    EXPECT_EQ(mbtext::ReplaceChar("///", '/', ' '), "   ");
    EXPECT_EQ(mbtext::ReplaceChar("", '/', ' '), "");
}

TEST(MultibyteText, LastCharPosCountsBytes) {
    EXPECT_EQ(mbtext::LastCharPos(""), std::string::npos);
    EXPECT_EQ(mbtext::LastCharPos("abc"), 2u);
    EXPECT_EQ(mbtext::LastCharPos("aソ"), 1u);
    EXPECT_EQ(mbtext::LastCharPos("ソソ"), 2u);
}

}  // namespace
