#include "shortcut/utf8_escaped_form.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8EscapedForm, OnlyAnAsciiUrlWithEscapedUtf8BeyondAsciiCounts) {
    const struct {
        const char* url;
        bool escaped;
    } cases[] = {
        {"mailto:a@b.c?Subject=%E9%80%B1%E5%A0%B1", true},
        {"mailto:a@b.c?Subject=%e9%80%b1", true},
        {"mailto:%E8%A1%A8@b.c", true},
        // One run of UTF-8 is enough, whatever the other runs hold.
        {"mailto:a@b.c?Subject=%82%A0&body=%C3%A9", true},
        {"mailto:a@b.c?Subject=Q%26A%20x", false},
        {"mailto:a@b.c?Subject=%82%A0", false},
        {"mailto:a@b.c?Subject=%E5%5C%E5%5C", false},
        {"mailto:a@b.c?Subject=%E9%80", false},
        {"mailto:a@b.c?Subject=%E9%80%B1\x82\xA0", false},
        {"mailto:a@b.c?Subject=\x95\x5C", false},
        {"mailto:a@b.c?Subject=%E9%80%B", false},
        {"mailto:a@b.c?Subject=%", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUtf8EscapedForm(c.url), c.escaped) << c.url;
    }
}

}  // namespace
