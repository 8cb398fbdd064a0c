#include "framework/module_path.h"

#include <windows.h>

#include "framework/exact_ansi.h"
#include "text/file_name.h"

namespace {

// The path of the running executable, with a buffer grown until the path fits; empty
// when there is none.
std::wstring WholeModuleFileName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
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

}  // namespace

std::optional<std::string> ExactModuleFileName() {
    const std::wstring path = WholeModuleFileName();
    if (path.empty()) {
        return std::nullopt;
    }
    return ExactAnsiText(path);
}

std::optional<std::string> ExactModuleFileTitle() {
    const std::wstring path = WholeModuleFileName();
    const std::optional<std::string> name =
        ExactAnsiText(std::wstring_view(path).substr(path.find_last_of(L"\\/") + 1));
    if (!name || name->empty()) {
        return std::nullopt;
    }
    return FileTitle(*name);
}

std::optional<std::string> ProgramDirectory() {
    const std::optional<std::string> path = ExactModuleFileName();
    if (!path) {
        return std::nullopt;
    }
    return path->substr(0, mbtext::FileNameStart(*path));
}

std::wstring WideProgramDirectory() {
    const std::wstring path = WholeModuleFileName();
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

std::wstring ShortFolderName(const std::wstring& folder) {
    const DWORD size = GetShortPathNameW(folder.c_str(), nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring shortName(size, L'\0');
    const DWORD length = GetShortPathNameW(folder.c_str(), shortName.data(), size);
    if (length == 0 || length >= size) {
        return {};
    }
    shortName.resize(length);
    return shortName;
}

std::string FileTitle(const std::string& path) {
    const size_t start = mbtext::FileNameStart(path);
    const size_t dot = mbtext::ExtensionStart(path);
    return path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
}

std::string HelpFilePath(const std::string& modulePath) {
    return modulePath.substr(0, mbtext::ExtensionStart(modulePath)) + ".HLP";
}

std::string HtmlHelpFilePath(const std::string& modulePath) {
    return modulePath.substr(0, mbtext::ExtensionStart(modulePath)) + ".chm";
}
