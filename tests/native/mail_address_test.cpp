#include "shortcut/mail_address.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AddressFromField, DropsControlBytesAndOneLeadingSchemeInAnyCase) {
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
        {"a space before the scheme keeps it", " mailto:x", " mailto:x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddressFromField(c.text), c.expected) << c.what;
    }
}

}  // namespace
