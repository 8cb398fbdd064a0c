#include "shortcut/icon_file_choice.h"

#include <gtest/gtest.h>

#include "iconv_system_code_page.h"

namespace {

TEST(IconFileChoice, TheSystemsSpellingThenAnAsciiShortFormThenNone) {
    const std::u16string kTools = u"C:\\ツール\\";
    const std::u16string kJose = u"C:\\José\\";
    const struct {
        const char* what;
        unsigned system;
        std::u16string folder;
        std::u16string shortFolder;
        std::string iconFile;
    } cases[] = {
        {"932 spells Japanese", 932, kTools, u"C:\\C8F1~1\\", "C:\\ツール\\ravlet.exe"},
        {"1252 spells an accent", 1252, kJose, u"C:\\JOSE~1\\", "C:\\Jos\xE9\\ravlet.exe"},
        {"65001 spells both", 65001, kTools, u"",
         "C:\\\xE3\x83\x84\xE3\x83\xBC\xE3\x83\xAB\\ravlet.exe"},
        {"1252 cannot spell Japanese: the short form", 1252, kTools, u"C:\\C8F1~1\\",
         "C:\\C8F1~1\\ravlet.exe"},
        {"932 cannot spell an accent: the short form", 932, kJose, u"C:\\JOSE~1\\",
         "C:\\JOSE~1\\ravlet.exe"},
        {"no short form: no icon lines", 1252, kTools, u"", ""},
        {"a short form beyond ASCII: no icon lines", 1252, kTools, u"C:\\ツール\\", ""},
        {"no folder at all", 932, u"", u"C:\\X\\", ""},
    };
    for (const auto& c : cases) {
        const IconvSystemCodePage system(c.system);
        EXPECT_EQ(ChooseIconFile(c.folder, system, [&c] { return c.shortFolder; }), c.iconFile)
            << c.what;
    }
}

}  // namespace
