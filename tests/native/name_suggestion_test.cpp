#include "shortcut/name_suggestion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shortcut_fakes.h"

namespace {

TEST(SuggestedName, FollowsTheAddress) {
    struct Case {
        const char* what;
        std::string address;
        std::optional<std::string> expected;
    };
    const std::string bytes64 = "taro@example.jp" + std::string(49, 'x');
    const Case cases[] = {
        {"plain address", "taro@example.jp", "taro@example.jp さんへ"},
        {"64 bytes are followed", bytes64, bytes64 + " さんへ"},
        {"65 bytes are not", bytes64 + "x", std::nullopt},
        {"64 bytes with double-byte characters", "a@b." + std::string("あ") + std::string(58, 'y'),
         "a@b.あ" + std::string(58, 'y') + " さんへ"},
        {"65 bytes with double-byte characters", "a@b.あ" + std::string(59, 'y'), std::nullopt},
        {"empty address gives an empty name without suffix", "", ""},
        {"backslash", "a\\b", "a b さんへ"},
        {"slash", "a/b", "a b さんへ"},
        {"colon", "a:b", "a b さんへ"},
        {"comma", "a,b", "a b さんへ"},
        {"semicolon", "a;b", "a b さんへ"},
        {"asterisk", "a*b", "a b さんへ"},
        {"question mark", "a?b", "a b さんへ"},
        {"double quote", "a\"b", "a b さんへ"},
        {"less than", "a<b", "a b さんへ"},
        {"greater than", "a>b", "a b さんへ"},
        {"vertical bar", "a|b", "a b さんへ"},
        {"only replaced characters still get the suffix", "//", "   さんへ"},
        {"at sign, full stop and spaces stay", "a b@c.d", "a b@c.d さんへ"},
        {"trail byte 0x5C of ソ and 表 stays", "ソ表@x.jp", "ソ表@x.jp さんへ"},
        {"backslash after 表 is replaced", "表\\x", "表 x さんへ"},
        {"trail byte 0x7C of ポ stays", "ポ@x.jp", "ポ@x.jp さんへ"},
        {"a pasted link loses its scheme", "MailTo:taro@example.jp", "taro@example.jp さんへ"},
        {"the limit counts without the scheme", "mailto:" + bytes64, bytes64 + " さんへ"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SuggestedName(c.address), c.expected) << c.what;
    }
}

TEST(SuggestedName, SuffixIsSpaceAndThreeDoubleByteCharacters) {
    EXPECT_EQ(*SuggestedName("a"), "a \x82\xB3\x82\xF1\x82\xD6");
}

class NameSuggestion : public ::testing::Test {
protected:
    NameSuggestion() {
        // As in the dialog: each text change raises the field's notification.
        RouteChangesToNameSuggestion(form);
        form.focus = FormControl::Address;
    }
    // Typing into a field moves the focus there first.
    void Type(FormControl field, const std::string& text) {
        form.focus = field;
        form.SetFieldText(field, text);
    }

    Events events;
    FakeForm form{events};
};

TEST_F(NameSuggestion, NameFollowsTypingInTheAddress) {
    Type(FormControl::Address, "t");
    EXPECT_EQ(form.texts[FormControl::Name], "t さんへ");
    Type(FormControl::Address, "ta/ro");
    EXPECT_EQ(form.texts[FormControl::Name], "ta ro さんへ");
    EXPECT_FALSE(form.nameEdited);
}

TEST_F(NameSuggestion, ClearingTheAddressEmptiesTheName) {
    Type(FormControl::Address, "taro");
    Type(FormControl::Address, "");
    EXPECT_EQ(form.texts[FormControl::Name], "");
}

TEST_F(NameSuggestion, TooLongOrUnspellableAnAddressKeepsTheLastSuggestion) {
    const std::string address64(64, 'a');
    Type(FormControl::Address, address64);
    Type(FormControl::Address, address64 + "b");
    EXPECT_EQ(form.texts[FormControl::Name], address64 + " さんへ");

    Type(FormControl::Address, "taro");
    // "taro¥": the ANSI code page has no exact "¥".
    form.unspellable.insert(FormControl::Address);
    Type(FormControl::Address, "taro\\");
    EXPECT_EQ(form.texts[FormControl::Name], "taro さんへ");
}

TEST_F(NameSuggestion, TypingInTheNameStopsSuggestions) {
    Type(FormControl::Address, "taro");
    Type(FormControl::Name, "Taro at work");
    EXPECT_TRUE(form.nameEdited);
    Type(FormControl::Address, "hanako");
    EXPECT_EQ(form.texts[FormControl::Name], "Taro at work");
}

TEST_F(NameSuggestion, ProgramChangesToTheNameWithFocusElsewhereDoNotStopThem) {
    form.focus = FormControl::Subject;
    form.SetFieldText(FormControl::Name, "");
    EXPECT_FALSE(form.nameEdited);
    NoteNameFieldChange(form);
    EXPECT_FALSE(form.nameEdited);
    form.focus = FormControl::Name;
    NoteNameFieldChange(form);
    EXPECT_TRUE(form.nameEdited);
}

}  // namespace
