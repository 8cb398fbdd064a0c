#include "shortcut/mail_address.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AddressFromField, DropsControlBytesBlanksAtTheEndsAndOneLeadingSchemeInAnyCase) {
    struct Case {
        const char* what;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"plain address", "taro@example.jp", "taro@example.jp"},
        {"mixed case scheme", "MailTo:taro@example.jp", "taro@example.jp"},
        {"what follows the scheme stays as it is", "mailto:Taro@Example.jp?subject=Hi",
         "Taro@Example.jp?subject=Hi"},
        {"only one scheme goes", "mailto:mailto:taro@example.jp", "mailto:taro@example.jp"},
        {"a tab before the scheme", "\tmailto:taro@example.jp", "taro@example.jp"},
        {"control bytes and DEL anywhere", "ta\tro@exa\x7Fmple.jp\r\n", "taro@example.jp"},
        {"a scheme later in the text stays", "taro mailto:x", "taro mailto:x"},
        {"no colon: not the scheme", "mailtotaro@example.jp", "mailtotaro@example.jp"},
        {"blanks before the scheme", " \t　mailto:taro@example.jp", "taro@example.jp"},
        {"blanks after the scheme and at the end", "mailto:　 taro@example.jp \t　",
         "taro@example.jp"},
        {"blanks inside stay", "taro @example.jp", "taro @example.jp"},
        {"blanks only", " 　\t", ""},
        {"a character ending in the trail byte 0x40 is no blank", "taro@example.jpァ",
         "taro@example.jpァ"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddressFromField(c.text), c.expected) << c.what;
    }
}

TEST(RecipientsFromField, KeepsTheSchemeButNotTheBlanksAtTheEnds) {
    EXPECT_EQ(RecipientsFromField("\t 　mailto:jiro@example.jp, hanako@example.jp　"),
              "mailto:jiro@example.jp, hanako@example.jp");
}

}  // namespace
