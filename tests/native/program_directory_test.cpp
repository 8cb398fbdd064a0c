#include "destinations/program_directory.h"

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* commandLine;
    const char* directory;
};

// "表" is 0x95 0x5C and "ソ" is 0x83 0x5C: their trail byte is a backslash.
const CommandLineCase kCases[] = {
    {R"("C:\Program Files\ravlet\ravlet.exe")", R"(C:\Program Files\ravlet\)"},
    {R"("C:\Program Files\ravlet\ravlet.exe" /x)", R"(C:\Program Files\ravlet\)"},
    {R"("C:\Program Files\ravlet\ravlet.exe" other\arg)", R"(C:\Program Files\ravlet\)"},
    {R"("C:\tools\ravlet.exe)", R"(C:\tools\)"},
    {R"(C:\tools\ravlet.exe)", R"(C:\tools\)"},
    {R"(C:\tools\ravlet.exe /x)", R"(C:\tools\)"},
    {R"(C:\Program Files\ravlet\ravlet.exe)", R"(C:\Program Files\ravlet\)"},
    {R"(C:\Program Files\ravlet\ravlet.exe /x)", R"(C:\Program Files\ravlet\)"},
    {R"(\\server\share\ravlet.exe)", R"(\\server\share\)"},
    {R"(C:ravlet.exe)", "C:"},
    {"ravlet.exe", ""},
    {"\"ravlet.exe\"", ""},
    {"ravlet.exe /x", ""},
    {"/x", "/"},
    {"\"", ""},
    {"", ""},
    {R"("C:\ソフト\表\ravlet.exe")", R"(C:\ソフト\表\)"},
    {R"(C:\ソフト\表\ravlet.exe /x)", R"(C:\ソフト\表\)"},
    {R"(C:\ソフト\表)", R"(C:\ソフト\)"},
    {R"(表ravlet.exe)", ""},
};

TEST(ProgramDirectory, IsTheDriveAndDirectoryOfTheProgramOnTheCommandLine) {
    for (const CommandLineCase& c : kCases) {
        EXPECT_EQ(ProgramDirectory(c.commandLine), c.directory) << c.commandLine;
    }
}

TEST(ProgramDirectory, NamesTheSettingsFileAndTheIconFileInsideIt) {
    EXPECT_EQ(IniPath(R"(C:\ソフト\表\)"), R"(C:\ソフト\表\ravlet.ini)");
    EXPECT_EQ(IconFilePath(R"(C:\ソフト\表\)"), R"(C:\ソフト\表\ravlet.exe)");
}

TEST(ProgramDirectory, BareFileNameGivesBareSettingsAndIconFiles) {
    const std::string directory = ProgramDirectory("renamed.exe");
    EXPECT_EQ(IniPath(directory), "ravlet.ini");
    EXPECT_EQ(IconFilePath(directory), "ravlet.exe");
}

}  // namespace
