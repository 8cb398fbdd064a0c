#include "destinations/win32_settings_file_content.h"

#include <windows.h>

#include "framework/exact_ansi.h"
#include "framework/file_bytes.h"

SettingsFileContent ReadSettingsFileContent(const std::string& path) {
    SettingsFileContent content;
    if (path.empty()) {
        content.document.emplace(ini::Encoding::CodePage);
        return content;
    }
    const std::wstring widePath = WideFromAnsi(path);
    // One byte more than a settings file may hold tells a larger one.
    const std::optional<std::string> bytes = ReadFileStart(widePath, ini::kMaxFileBytes + 1);
    if (!bytes) {
        const bool missing =
            GetFileAttributesW(widePath.c_str()) == INVALID_FILE_ATTRIBUTES &&
            (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND);
        if (missing) {
            content.document.emplace(ini::Encoding::CodePage);
        } else {
            content.exists = true;
        }
        return content;
    }
    content.exists = true;
    std::variant<ini::Document, ini::Refusal> parsed = ini::Document::Parse(*bytes);
    if (const ini::Refusal* refusal = std::get_if<ini::Refusal>(&parsed)) {
        content.refusal = *refusal;
    } else {
        content.document.emplace(std::move(std::get<ini::Document>(parsed)));
    }
    return content;
}
