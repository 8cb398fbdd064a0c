#include "framework/help_file_origin.h"

#include <windows.h>

#include "text/ascii_text.h"
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

bool IsOnNetwork(const std::string& path) {
    // "\\?\UNC\server\..." and "\\server\..." are shares; "\\?\C:\..." is a drive path
    // in the long form.
    std::string drivePath = path;
    if (mbtext::StartsWithIgnoringAsciiCase(path, "\\\\?\\")) {
        if (mbtext::StartsWithIgnoringAsciiCase(path, "\\\\?\\UNC\\")) {
            return true;
        }
        drivePath = path.substr(4);
    } else if (mbtext::StartsWithIgnoringAsciiCase(path, "\\\\")) {
        return true;
    }
    if (drivePath.size() >= 2 && drivePath[1] == ':') {
        const std::string root = drivePath.substr(0, 2) + "\\";
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
