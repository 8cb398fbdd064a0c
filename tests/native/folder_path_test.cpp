#include "text/folder_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FolderPath, LosesItsTrailingSeparatorUnlessItIsARoot) {
    struct Case {
        const char* folder;
        const char* expected;
    };
    // "表" (95 5C) ends in the byte of "\"; "ア" (83 41) in that of "A".
    const Case cases[] = {
        {"C:\\Mail\\", "C:\\Mail"},
        {"C:\\Mail", "C:\\Mail"},
        {"C:\\Mail\\\\", "C:\\Mail"},
        {"C:/Mail/", "C:/Mail"},
        {"C:\\表", "C:\\表"},
        {"C:\\表\\", "C:\\表"},
        {"C:\\", "C:\\"},
        {"c:/", "c:/"},
        {"C:\\\\", "C:\\"},
        {"\\", "\\"},
        {"\\\\server\\share\\", "\\\\server\\share\\"},
        {"\\\\server\\表\\", "\\\\server\\表\\"},
        {"\\\\server\\share\\dir\\", "\\\\server\\share\\dir"},
        {"\\\\server\\", "\\\\server"},
        {"\\\\server\\\\", "\\\\server"},  // no share
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderWithoutTrailingSeparator(c.folder), c.expected) << c.folder;
    }
}

TEST(FolderPath, TheSameFolderWrittenTwoWays) {
    struct Case {
        const char* first;
        const char* second;
        bool same;
    };
    const Case cases[] = {
        {"C:\\Mail\\", "c:\\MAIL", true},
        {"C:\\表\\", "C:\\表", true},
        {"\\\\server\\share\\", "\\\\SERVER\\share", true},
        {"C:\\", "C:\\", true},
        {"C:\\", "C:", false},  // the drive's current folder
        {"C:\\表", "C:\\", false},
        {"C:\\ア\\", "C:\\ャ", false},
        {"C:\\Mail\\", "C:\\Mail2", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SameFolder(c.first, c.second), c.same) << c.first << " " << c.second;
        EXPECT_EQ(SameFolder(c.second, c.first), c.same) << c.second << " " << c.first;
    }
}

}  // namespace
