#include "shortcut/mailto_url.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* what;
    ShortcutRequest request;
    std::string url;
};

ShortcutRequest Fields(std::string address, std::string subject, std::string cc = "",
                       std::string bcc = "", std::string body = "") {
    ShortcutRequest request;
    request.address = std::move(address);
    request.subject = std::move(subject);
    request.cc = std::move(cc);
    request.bcc = std::move(bcc);
    request.body = std::move(body);
    return request;
}

// Every printable ASCII character, from the space to "~".
std::string PrintableAscii() {
    std::string text;
    for (char ch = ' '; ch <= '~'; ++ch) {
        text += ch;
    }
    return text;
}

TEST(MailtoUrl, Composition) {
    const Case cases[] = {
        {"a value keeps letters, digits and -._~!$'()*,;:@ raw and escapes the rest",
         Fields("a@b.c", PrintableAscii()),
         "mailto:a@b.c?Subject=%20!%22%23$%25%26'()*%2B,-.%2F0123456789:;%3C%3D%3E%3F@"
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ%5B%5C%5D%5E_%60abcdefghijklmnopqrstuvwxyz%7B%7C%7D~"},
        {"the address escapes only what breaks the argument",
         Fields("taro yamada\"#<>\\^`{|}%20+&=@example.jp", ""),
         "mailto:taro%20yamada%22%23%3C%3E%5C%5E%60%7B%7C%7D%20+&=@example.jp"},
        {"trail bytes 0x5C and 0x40 stay", Fields("表@ソ.jp", "表ソ　予定"),
         "mailto:表@ソ.jp?Subject=表ソ　予定"},
        {"single-byte katakana stays", Fields("a@b.c", "ｱｲｺﾝ ﾃｽﾄ"),
         "mailto:a@b.c?Subject=ｱｲｺﾝ%20ﾃｽﾄ"},
        {"the first field joins a pasted one with &",
         Fields("taro@example.jp?cc=jiro@example.jp", "見積"),
         "mailto:taro@example.jp?cc=jiro@example.jp&Subject=見積"},
        {"a pasted field alone stays as it is", Fields("taro@example.jp?body=a%20b", ""),
         "mailto:taro@example.jp?body=a%20b"},
        {"every field, in this order, with these names",
         Fields("a@b.c", "s", "jiro@example.jp, hanako@example.jp", "boss@example.jp", "b"),
         "mailto:a@b.c?Subject=s&cc=jiro@example.jp,%20hanako@example.jp&bcc=boss@example.jp&"
         "body=b"},
        {"empty fields are left out", Fields("a@b.c", "", "", "x@y.z", ""),
         "mailto:a@b.c?bcc=x@y.z"},
        {"body line breaks however typed, tabs and other control bytes",
         Fields("a@b.c", "", "", "", "お疲れ様です。\r\n一\n二\r三\r\r\n\t4\x01\x7F"),
         "mailto:a@b.c?body=お疲れ様です。%0D%0A一%0D%0A二%0D%0A三%0D%0A%0D%0A%094"},
        {"a lead byte without its trail byte is escaped, the byte after it kept",
         Fields("a@b.c\x83", "\x8C\"", "", "", "\x83\n\x83\x5C"),
         "mailto:a@b.c%83?Subject=%8C%22&body=%83%0D%0A\x83\x5C"},
        {"an empty line in the body stays", Fields("a@b.c", "", "", "", "a\n\nb"),
         "mailto:a@b.c?body=a%0D%0A%0D%0Ab"},
        {"tab, CR and LF leave BCC", Fields("a@b.c", "", "", "\tx@y.z\r\n,\tw@v.u\n"),
         "mailto:a@b.c?bcc=x@y.z,w@v.u"},
        {"control bytes leave the address and the one-line fields",
         Fields("a@b.c\r\n", "x\ty", "c@d.e\n", "", ""), "mailto:a@b.c?Subject=xy&cc=c@d.e"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MailtoUrl(c.request), c.url) << c.what;
    }
}

}  // namespace
