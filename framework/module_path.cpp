#include "framework/module_path.h"

#include <windows.h>

#include "text/multibyte.h"

namespace {

// Position just after the last "\", "/" or ":" (walking whole characters), or 0.
size_t FileNameStart(const std::string& path) {
    size_t start = 0;
    for (size_t pos = 0; pos < path.size(); pos += mbtext::CharLength(path, pos)) {
        const char ch = path[pos];
        if (ch == '\\' || ch == '/' || ch == ':') {
            start = pos + 1;
        }
    }
    return start;
}

// Position of the "." that starts the extension of the file name, or npos.
size_t ExtensionStart(const std::string& path) {
    size_t dot = std::string::npos;
    for (size_t pos = FileNameStart(path); pos < path.size();
         pos += mbtext::CharLength(path, pos)) {
        if (path[pos] == '.') {
            dot = pos;
        }
    }
    return dot;
}

}  // namespace

std::string ModuleFileName() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // truncated
    }
}

std::string FileTitle(const std::string& path) {
    const size_t start = FileNameStart(path);
    const size_t dot = ExtensionStart(path);
    return path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
}

std::string HelpFilePath(const std::string& modulePath) {
    return modulePath.substr(0, ExtensionStart(modulePath)) + ".HLP";
}
