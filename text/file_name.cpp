#include "text/file_name.h"

#include "text/multibyte.h"

namespace mbtext {

size_t FileNameStart(std::string_view path) {
    size_t start = 0;
    for (size_t pos = 0; pos < path.size(); pos += CharLength(path, pos)) {
        const char ch = path[pos];
        // A colon is a drive's only as the second character; elsewhere it is no
        // separator (on NTFS it would name a stream of the file before it).
        if (ch == '\\' || ch == '/' || (ch == ':' && pos == 1)) {
            start = pos + 1;
        }
    }
    return start;
}

size_t ExtensionStart(std::string_view path) {
    size_t dot = std::string_view::npos;
    for (size_t pos = FileNameStart(path); pos < path.size(); pos += CharLength(path, pos)) {
        if (path[pos] == '.') {
            dot = pos;
        }
    }
    return dot;
}

}  // namespace mbtext
