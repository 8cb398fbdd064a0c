#include "text/folder_path.h"

#include <vector>

#include "text/ascii_text.h"
#include "text/multibyte.h"

namespace {

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

std::vector<size_t> SeparatorPositions(std::string_view path) {
    std::vector<size_t> positions;
    for (size_t pos = 0; pos < path.size(); pos += mbtext::CharLength(path, pos)) {
        if (IsSeparator(path[pos])) {
            positions.push_back(pos);
        }
    }
    return positions;
}

// "\\server\share\": two separators, a server, one, a share, and the last one.
bool IsShareRootWithSeparator(std::string_view folder) {
    const std::vector<size_t> at = SeparatorPositions(folder);
    return at.size() == 4 && at[0] == 0 && at[1] == 1 && at[2] > 2 && at[3] > at[2] + 1 &&
           at[3] + 1 == folder.size();
}

// "C:\", "\" and "\\server\share\", which lose their meaning without the separator.
bool KeepsTrailingSeparator(std::string_view folder) {
    return folder.size() == 1 || (folder.size() == 3 && folder[1] == ':') ||
           IsShareRootWithSeparator(folder);
}

bool EndsInSeparator(std::string_view folder) {
    return mbtext::EndsWithChar(folder, '\\') || mbtext::EndsWithChar(folder, '/');
}

// The spelling both sides are compared in: a share root needs no separator for that.
std::string ComparedFolder(std::string_view folder) {
    std::string text = FolderWithoutTrailingSeparator(folder);
    if (IsShareRootWithSeparator(text)) {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::string FolderWithoutTrailingSeparator(std::string_view folder) {
    while (EndsInSeparator(folder) && !KeepsTrailingSeparator(folder)) {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}

bool SameFolder(std::string_view first, std::string_view second) {
    return mbtext::SameIgnoringAsciiCase(ComparedFolder(first), ComparedFolder(second));
}
