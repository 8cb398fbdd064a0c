#include "destinations/program_directory.h"

#include <string_view>

#include "text/file_name.h"
#include "text/multibyte.h"

namespace {

// The program's path: the quoted part of a quoted command line, else the whole line.
std::string_view ProgramPathPart(std::string_view commandLine) {
    if (commandLine.empty() || commandLine.front() != '"') {
        return commandLine;
    }
    const std::string_view rest = commandLine.substr(1);
    return rest.substr(0, mbtext::FindChar(rest, '"'));
}

// Position of the character just before pos, which must be a character boundary > 0.
size_t PreviousCharPos(std::string_view text, size_t pos) {
    size_t previous = 0;
    for (size_t at = 0; at < pos; at += mbtext::CharLength(text, at)) {
        previous = at;
    }
    return previous;
}

// An option such as " /x" after an unquoted path is no part of it: the text is cut
// before the character that precedes the first "/" beyond the first character.
std::string_view WithoutOption(std::string_view path) {
    if (path.empty()) {
        return path;
    }
    const size_t slash = mbtext::FindChar(path, '/', mbtext::CharLength(path, 0));
    if (slash == std::string_view::npos) {
        return path;
    }
    return path.substr(0, PreviousCharPos(path, slash));
}

}  // namespace

std::string ProgramDirectory(const std::string& commandLine) {
    const std::string_view path = WithoutOption(ProgramPathPart(commandLine));

    // The drive and directory run up to the file name.
    return std::string(path.substr(0, mbtext::FileNameStart(path)));
}
