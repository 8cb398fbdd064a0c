// Which settings file a start reads and a save writes.
#include <gtest/gtest.h>

#include "destinations/settings_file_choice.h"
#include "destinations/settings_file_encoding.h"
#include "tests/native/iconv_system_code_page.h"

namespace {

TEST(SettingsFileChoice, TheFileBesideTheProgramFirstAndTheUsersOwnWhereThatCannotBeWritten) {
    constexpr SettingsPlace N = SettingsPlace::None, B = SettingsPlace::BesideProgram,
                            U = SettingsPlace::PerUser;
    struct Case {
        const char* what;
        SettingsPlaces places;
        SettingsFileChoice choice;
    };
    // clang-format off
    // places: folder spelt exactly, writable, file beside, user's folder known, user's file
    const Case cases[] = {
        {"portable copy, first start",           {true, true, false, true, false},   {N, B}},
        {"portable copy with its file",          {true, true, true, true, false},    {B, B}},
        {"writable again: beside wins",          {true, true, true, true, true},     {B, B}},
        {"writable again: the user's file moves", {true, true, false, true, true},   {U, B}},
        {"read-only, first start",               {true, false, false, true, false},  {N, U}},
        {"read-only, administrator's file",      {true, false, true, true, false},   {B, U}},
        {"read-only, the user's file exists",    {true, false, true, true, true},    {U, U}},
        {"read-only, only the user's file",      {true, false, false, true, true},   {U, U}},
        {"read-only, no user's folder",          {true, false, false, false, false}, {N, B}},
        {"read-only, no user's folder, file",    {true, false, true, false, false},  {B, B}},
        {"folder not spelt exactly",             {false, true, true, true, true},    {N, N}},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseSettingsFile(c.places), c.choice) << c.what;
    }
}

// Where the system reads code-page text as Shift-JIS a new file is as it always was;
// elsewhere Notepad would show its folders garbled.
TEST(SettingsFileChoice, ANewFileIsCodePageTextOnlyOnASystemThatReadsShiftJis) {
    const std::pair<unsigned, ini::Encoding> cases[] = {
        {932, ini::Encoding::CodePage},
        {1252, ini::Encoding::Utf16LeWithMark},
        {65001, ini::Encoding::Utf16LeWithMark},
    };
    for (const auto& [system, encoding] : cases) {
        EXPECT_EQ(NewSettingsFileEncoding(IconvSystemCodePage(system)), encoding) << system;
    }
}

}  // namespace
