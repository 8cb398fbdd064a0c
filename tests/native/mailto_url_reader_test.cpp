#include "shortcut/mailto_url_reader.h"

#include <gtest/gtest.h>

#include "tests/native/iconv_code_page_spelling.h"

namespace {

const IconvCodePageSpelling kCp932;

TEST(MailtoUrlReader, DecodesEachField) {
    struct Case {
        const char* what;
        std::string url;
        MailtoMessage expected;
    };
    const Case cases[] = {
        {"raw Shift-JIS is code-page text",
         "mailto:a@b.jp?Subject=見積 ソ表",
         {"a@b.jp", "見積 ソ表", "", "", ""}},
        {"raw bytes that happen to be UTF-8 stay code-page text (ﾃｽ)",
         "mailto:a@b.jp?Subject=\xC3\xBD",
         {"a@b.jp", "ﾃｽ", "", "", ""}},
        {"escaped UTF-8 is converted",
         "mailto:a@b.jp?subject=%E8%A6%8B%E7%A9%8D%20OK",
         {"a@b.jp", "見積 OK", "", "", ""}},
        {"lower-case hex digits",
         "mailto:a@b.jp?subject=%e8%a6%8b%e7%a9%8D",
         {"a@b.jp", "見積", "", "", ""}},
        {"escaped Shift-JIS whose trail byte is \\ is no UTF-8",
         "mailto:a@b.jp?Subject=%E5%5C%E5%5C",
         {"a@b.jp", "\xE5\x5C\xE5\x5C", "", "", ""}},
        {"escaped Shift-JIS (not UTF-8) is code-page text",
         "mailto:a@b.jp?Subject=%95%5C%82%A0",
         {"a@b.jp", "表あ", "", "", ""}},
        {"each run is read on its own: UTF-8, then a raw character, then Shift-JIS",
         "mailto:a@b.jp?Subject=%E3%81%82表%82%A0",
         {"a@b.jp", "あ表あ", "", "", ""}},
        {"escapes of the writer's ASCII bytes",
         "mailto:a@b.jp?Subject=Q%26A%20%2250%25OFF%22+C%2B%2B",
         {"a@b.jp", "Q&A \"50%OFF\"+C++", "", "", ""}},
        {"a % without two hex digits stays",
         "mailto:a@b.jp?Subject=100%+%4",
         {"a@b.jp", "100%+%4", "", "", ""}},
        {"field names without case, in any order",
         "mailto:a@b.jp?BODY=x&CC=c@d.jp&Bcc=e@f.jp&SUBJECT=s",
         {"a@b.jp", "s", "c@d.jp", "e@f.jp", "x"}},
        {"body line breaks become CR LF, a tab stays, other control bytes go",
         "mailto:a@b.jp?body=1%0D%0A2%0A3%0D4%09t%00%07%1B%7F",
         {"a@b.jp", "", "", "", "1\r\n2\r\n3\r\n4\tt"}},
        {"two escaped line feeds are two line breaks",
         "mailto:a@b.jp?body=a%0A%0Ab",
         {"a@b.jp", "", "", "", "a\r\n\r\nb"}},
        {"control bytes leave the other fields",
         "mailto:a@b.jp?Subject=a%0D%0Ab%09c&cc=x%00@y.jp",
         {"a@b.jp", "abc", "x@y.jp", "", ""}},
        {"only the address escapes the writer makes are decoded in the address",
         "mailto:%22Taro%20Y%22%3Ct@b.jp%3E%2C%41%25",
         {"\"Taro Y\"<t@b.jp>%2C%41%25", "", "", "", ""}},
        {"a raw tab leaves the address",
         "mailto:taro\t@b.jp\t?cc=c@d.jp",
         {"taro@b.jp", "", "c@d.jp", "", ""}},
        {"unknown and repeated fields follow the address as written",
         "mailto:a@b.jp?in-reply-to=%3Cm@x%3E&cc=c@d.jp&cc=e%40f.jp&Subject=s&&subject&x",
         {"a@b.jp?in-reply-to=%3Cm@x%3E&cc=e%40f.jp&subject&x", "s", "c@d.jp", "", ""}},
        {"the scheme in any case, no fields", "MailTo:a@b.jp", {"a@b.jp", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        const MailtoReading reading = ReadMailtoUrl(c.url, kCp932);
        const auto* message = std::get_if<MailtoMessage>(&reading);
        ASSERT_NE(message, nullptr) << c.what;
        EXPECT_EQ(message->address, c.expected.address) << c.what;
        EXPECT_EQ(message->subject, c.expected.subject) << c.what;
        EXPECT_EQ(message->cc, c.expected.cc) << c.what;
        EXPECT_EQ(message->bcc, c.expected.bcc) << c.what;
        EXPECT_EQ(message->body, c.expected.body) << c.what;
    }
}

TEST(MailtoUrlReader, RefusesWhatItCannotShow) {
    struct Case {
        const char* what;
        std::string url;
        std::optional<MailtoField> unspellable;  // nullopt: not a mailto URL
    };
    const Case cases[] = {
        {"a web address", "http://example.jp/?Subject=x", std::nullopt},
        {"a file", "file://server/share/x.exe", std::nullopt},
        {"mailto without its colon", "mailtoa@b.jp", std::nullopt},
        {"escaped UTF-8 outside the code page (y with an acute)", "mailto:a@b.jp?Subject=%C3%BD",
         MailtoField::Subject},
        {"an emoji in the body", "mailto:a@b.jp?body=ok%F0%9F%98%80", MailtoField::Body},
        {"in CC", "mailto:a@b.jp?cc=%E2%82%AC@x.jp", MailtoField::Cc},
        {"in BCC", "mailto:a@b.jp?bcc=%E2%82%AC@x.jp", MailtoField::Bcc},
        // Bytes that are no characters of the code page would come back changed.
        {"an escaped lead byte without its trail byte", "mailto:a@b.jp?Subject=%82",
         MailtoField::Subject},
        {"a raw lead byte before a space", "mailto:a@b.jp?body=x\x82 y", MailtoField::Body},
        {"a lead byte at the end of the address", "mailto:a@b.jp\x82", MailtoField::Address},
    };
    for (const Case& c : cases) {
        const MailtoReading reading = ReadMailtoUrl(c.url, kCp932);
        if (!c.unspellable) {
            EXPECT_TRUE(std::holds_alternative<NotMailto>(reading)) << c.what;
            continue;
        }
        const auto* refusal = std::get_if<UnspellableField>(&reading);
        ASSERT_NE(refusal, nullptr) << c.what;
        EXPECT_EQ(refusal->field, *c.unspellable) << c.what;
    }
}

}  // namespace
