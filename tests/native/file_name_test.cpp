#include "text/file_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileName, StartsAfterTheLastSeparatorOrDriveAndItsExtensionAtItsLastDot) {
    constexpr size_t kNone = std::string::npos;
    struct Case {
        const char* path;
        size_t nameStart;
        size_t extensionStart;
    };
    // "表" and "ソ" end in the byte of "\"; "　" ends in "@", "ｱ" is one byte.
    const Case cases[] = {
        {"C:\\Program Files\\ravlet\\ravlet.exe", 24, 30},
        {"C:\\ソフト\\表.exe", 10, 12},
        {"C:\\ソフト\\表", 10, kNone},
        {"C:\\表", 3, kNone},
        {"表.exe", 0, 2},
        {"C:\\v1.2\\ravlet", 8, kNone},
        {"C:\\tools\\mail.v2.exe", 9, 16},
        {"C:ravlet.exe", 2, 8},
        {"C:\\dir\\a:b.exe", 7, 10},  // a colon past the drive separates nothing
        {"ab:c.exe", 0, 4},
        {"\\\\server\\share\\a.url", 15, 16},
        {"dir/a.b/c", 8, kNone},
        {"C:\\dir\\", 7, kNone},
        {".profile", 0, 0},
        {"ｱ.ｲ", 0, 1},
        {"", 0, kNone},
        {"ab\x83", 0, kNone},  // a lone lead byte at the end
        // The first and last lead bytes of both ranges take the "\" after them as their
        // trail byte; the bytes just outside them do not.
        {"\x81\\a.exe", 0, 3},
        {"\x9F\\a.exe", 0, 3},
        {"\xE0\\a.exe", 0, 3},
        {"\xFC\\a.exe", 0, 3},
        {"\x80\\a.exe", 2, 3},
        {"\xA0\\a.exe", 2, 3},
        {"\xDF\\a.exe", 2, 3},
        {"\xFD\\a.exe", 2, 3},
        {"C:\\d\\\xFA\\.exe", 5, 7},  // a character of the 0xFA row
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mbtext::FileNameStart(c.path), c.nameStart) << c.path;
        EXPECT_EQ(mbtext::ExtensionStart(c.path), c.extensionStart) << c.path;
    }
}

}  // namespace
