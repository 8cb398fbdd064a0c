#include "framework/help_file_origin.h"

#include <windows.h>

#include <cstring>

#include "text/zone_identifier.h"

namespace {

// The stream holds three short lines; anything longer is not one Windows wrote.
constexpr DWORD kMaxStreamBytes = 4096;

std::string ZoneStreamText(const std::string& file) {
    const HANDLE stream = CreateFileA((file + ":Zone.Identifier").c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (stream == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string text(kMaxStreamBytes, '\0');
    DWORD read = 0;
    if (!ReadFile(stream, text.data(), kMaxStreamBytes, &read, nullptr)) {
        read = 0;
    }
    CloseHandle(stream);
    text.resize(read);
    return text;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

bool IsOnNetwork(const std::string& path) {
    // "\\?\C:\..." is a local path in the long form; "\\?\UNC\..." and "\\server\..."
    // are shares.
    if (StartsWith(path, "\\\\?\\")) {
        return StartsWith(path, "\\\\?\\UNC\\") || StartsWith(path, "\\\\?\\unc\\");
    }
    if (StartsWith(path, "\\\\")) {
        return true;
    }
    if (path.size() >= 2 && path[1] == ':') {
        const std::string root = path.substr(0, 2) + "\\";
        return GetDriveTypeA(root.c_str()) == DRIVE_REMOTE;
    }
    return false;
}

}  // namespace

HelpFileOrigin OriginOfHelpFile(const std::string& helpFile) {
    const DWORD attributes = GetFileAttributesA(helpFile.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return HelpFileOrigin::Local;  // nothing there to be refused
    }
    if (IsOnNetwork(helpFile)) {
        return HelpFileOrigin::Network;
    }
    return zone::MarksAsDownloaded(ZoneStreamText(helpFile)) ? HelpFileOrigin::Downloaded
                                                             : HelpFileOrigin::Local;
}
