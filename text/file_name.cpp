#include "text/file_name.h"

#include "text/multibyte.h"

namespace mbtext {

size_t FileNameStart(std::string_view path) {
    size_t start = 0;
    for (size_t pos = 0; pos < path.size(); pos += CharLength(path, pos)) {
        const char ch = path[pos];
        if (ch == '\\' || ch == '/' || ch == ':') {
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
