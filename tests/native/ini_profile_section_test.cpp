// The settings section over the INI model: values the code page cannot spell are not
// offered and go back verbatim, into a file of another encoding too where that is exact.
#include "destinations/ini_profile_section.h"

#include <gtest/gtest.h>

#include "destinations/destination_list.h"
#include "destinations/settings_section.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/native/iconv_code_page_spelling.h"
#include "tests/shared/settings_keys.h"

namespace {

const IconvCodePageSpelling kCp932;

ini::Document Parsed(const std::string& bytes) {
    return std::get<ini::Document>(ini::Document::Parse(bytes));
}

TEST(IniProfileSection, CarriesAFolderTheCodePageCannotSpellAcrossEncodings) {
    // "D:\¥" in UTF-16 and in UTF-8; "D:\" and a lone lead byte in the code page.
    const std::string utf16 = std::string("\xFF\xFE[\0C\0]\0\n\0K\0=\0D\0:\0\\\0\xA5\0\n\0", 24);
    const std::string utf8 = "\xEF\xBB\xBF[C]\nK=D:\\\xC2\xA5\n";
    const std::string codePage = "[C]\nK=D:\\\x81\n";
    struct Case {
        const char* what;
        std::string from, into;
        std::optional<std::string> written;
    };
    const Case cases[] = {
        {"UTF-16 into UTF-16", utf16, "\xFF\xFE", std::string("D\0:\0\\\0\xA5\0", 8)},
        {"UTF-16 into UTF-8", utf16, "\xEF\xBB\xBF", "D:\\\xC2\xA5"},
        {"UTF-8 into UTF-16", utf8, "\xFF\xFE", std::string("D\0:\0\\\0\xA5\0", 8)},
        {"code page into code page", codePage, "", "D:\\\x81"},
        {"code page into UTF-8", codePage, "\xEF\xBB\xBF", std::nullopt},
        {"UTF-8 into the code page", utf8, "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ini::Document from = Parsed(c.from);
        IniProfileSection read(from, "c", kCp932);
        EXPECT_EQ(read.ReadString("k"), std::nullopt);
        const std::optional<std::string> verbatim = read.ReadVerbatim("k");
        ASSERT_TRUE(verbatim && IsVerbatimFolder(*verbatim));

        ini::Document into = Parsed(c.into);
        IniProfileSection written(into, "C", kCp932);
        EXPECT_EQ(written.WriteKey("K", *verbatim), c.written.has_value());
        const size_t line = into.FindKey("C", "K");
        EXPECT_EQ(line == ini::kNoLine ? std::nullopt : into.Value(line), c.written);
    }
}

TEST(IniProfileSection, ReadsAsTheProfileFunctionsAndWritesKeyByKey) {
    ini::Document document = Parsed(
        "[combo_box]\r\nmenu_000=\"D:\\a\"\r\nselect=-2\r\nBARE\r\nLONG=" + std::string(511, 'x') +
        "\r\n; note\r\n[OTHER]\r\nMENU_001=D:\\other\r\n");
    IniProfileSection section(document, "COMBO_BOX", kCp932);
    EXPECT_EQ(section.ReadString("MENU_000"), "D:\\a");
    EXPECT_EQ(section.ReadVerbatim("MENU_000"), std::nullopt);
    EXPECT_EQ(section.ReadString("MENU_001"), "");
    EXPECT_EQ(section.ReadString("BARE"), "");
    EXPECT_EQ(section.ReadString("LONG"), std::nullopt);
    EXPECT_EQ(section.ReadInt("SELECT", 0), -2);
    EXPECT_EQ(section.ReadInt("MENU_001", 5), 5);
    EXPECT_EQ(section.ReadLines(),
              (std::vector<std::string>{"menu_000=D:\\a", "select=-2",
                                        "BARE=", "LONG=" + std::string(511, 'x'), "; note="}));
    EXPECT_TRUE(section.WriteKey("MENU_000", std::nullopt));
    EXPECT_TRUE(section.WriteKey("SELECT", "3"));
    EXPECT_FALSE(section.WriteKey("MENU_001", "D:\\\x81"));
    EXPECT_EQ(document.Bytes(), "[combo_box]\r\nselect=3\r\nBARE\r\nLONG=" + std::string(511, 'x') +
                                    "\r\n; note\r\n[OTHER]\r\nMENU_001=D:\\other\r\n");
}

// A code-page file on a system of another code page may hold folders that an older copy
// wrote in that code page: in 1252 "José" ends in a lone lead byte, and "Café Noir" has
// one before a blank. Through a whole run they are not offered, take their room and
// keep their places; a SELECT_PATH naming one selects nothing; they go back byte for
// byte.
TEST(IniProfileSection, FoldersOfAnotherCodePageAreKeptThroughARunAndNotOffered) {
    const auto file = [](const std::vector<std::string>& folders, int selection,
                         const std::string& selected) {
        std::string bytes = "[COMBO_BOX]\r\n";
        for (size_t i = 0; i < folders.size(); ++i) {
            bytes += MenuKey(static_cast<int>(i)) + "=" + folders[i] + "\r\n";
        }
        const std::string index = std::to_string(selection);
        return bytes + "SELECT=" + index + "\r\nSELECT_PATH=" + index + "|" + selected + "\r\n";
    };
    const std::string jose = "C:\\Users\\Jos\xE9", cafe = "D:\\Caf\xE9 Noir";
    // As many as a list of 3 well-known folders keeps.
    std::vector<std::string> saved;
    for (int i = 0; i < 17; ++i) {
        saved.push_back("D:\\f" + std::to_string(i));
    }
    saved[1] = jose;
    saved[5] = cafe;
    ini::Document document = Parsed(file(saved, 4, jose));
    IniProfileSection settings(document, kSettingsSectionName, kCp932);
    FakeDropDownList view;
    DestinationList list{view};

    list.Fill(WellKnown(3), settings);
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(list.count(), 18);
    EXPECT_EQ(view.items[4], "D:\\f2");
    list.Add("D:\\new");
    EXPECT_EQ(list.count(), 18);
    ASSERT_TRUE(list.Save(settings));

    saved.insert(saved.begin(), "D:\\new");
    saved.pop_back();
    EXPECT_EQ(document.Bytes(), file(saved, 3, "D:\\new"));
}

}  // namespace
