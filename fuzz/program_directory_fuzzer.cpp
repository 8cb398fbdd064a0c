// The program directory taken from any command line: a prefix of the program's path
// that ends in a whole separator (or is a bare drive), with no quote in it when the
// path was quoted.
#include <cstdint>
#include <string>

#include "destinations/program_directory.h"
#include "fuzz/check.h"
#include "fuzz/reference_characters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string commandLine(reinterpret_cast<const char*>(data), size);
    const std::string directory = ProgramDirectory(commandLine);

    const bool quoted = !commandLine.empty() && commandLine[0] == '"';
    const std::string_view program = std::string_view(commandLine).substr(quoted ? 1 : 0);
    FUZZ_CHECK(program.substr(0, directory.size()) == directory);
    FUZZ_CHECK(reference::IsCharacterStart(program, directory.size()));

    const std::vector<std::string_view> characters = reference::Characters(directory);
    for (std::string_view character : characters) {
        FUZZ_CHECK(!quoted || character != "\"");
    }
    const bool bareDrive = directory.size() == 2 && directory[1] == ':';
    if (!directory.empty() && !bareDrive) {
        FUZZ_CHECK(characters.back() == "\\" || characters.back() == "/");
    }
    // The settings and icon files sit right inside it.
    FUZZ_CHECK(IniPath(directory) == directory + "ravlet.ini");
    FUZZ_CHECK(IconFilePath(directory) == directory + "ravlet.exe");
    return 0;
}
