#include "framework/help_viewer_refusal.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "framework/exact_ansi.h"
#include "framework/file_kind.h"
#include "text/ascii_text.h"
#include "text/zone_identifier.h"

namespace {

// The stream holds three short lines; anything longer is not one Windows wrote.
constexpr DWORD kMaxStreamBytes = 4096;

constexpr wchar_t kPolicyKey[] = L"SOFTWARE\\Microsoft\\HTMLHelp\\1.x\\ItssRestrictions";

std::string ZoneStreamText(const std::string& file) {
    const HANDLE stream = CreateFileW(WideFromAnsi(file + ":Zone.Identifier").c_str(), GENERIC_READ,
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

// A drive letter mapped to a share; a share's own "\\server\..." path is told by its
// name.
bool IsOnNetworkDrive(std::string path) {
    if (mbtext::StartsWithIgnoringAsciiCase(path, "\\\\?\\")) {
        path.erase(0, 4);
    }
    if (path.size() < 2 || path[1] != ':') {
        return false;
    }
    return GetDriveTypeW(WideFromAnsi(path.substr(0, 2) + "\\").c_str()) == DRIVE_REMOTE;
}

// The viewer's limits, as an administrator set them (both values are optional).
class ViewerPolicy {
public:
    ViewerPolicy() {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPolicyKey, 0, KEY_QUERY_VALUE, &key_) !=
            ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~ViewerPolicy() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    ViewerPolicy(const ViewerPolicy&) = delete;
    ViewerPolicy& operator=(const ViewerPolicy&) = delete;

    int MaxAllowedZone() const {
        DWORD zone = 0;
        DWORD type = 0;
        DWORD size = sizeof zone;
        if (key_ == nullptr ||
            RegQueryValueExW(key_, L"MaxAllowedZone", nullptr, &type,
                             reinterpret_cast<BYTE*>(&zone), &size) != ERROR_SUCCESS ||
            type != REG_DWORD) {
            return zone::kLocalMachine;
        }
        return static_cast<int>(std::min<DWORD>(zone, INT_MAX));
    }

    // The entries that the code page spells exactly, joined by ";": the others cannot
    // name a folder of a path spelt in it.
    std::string UrlAllowList() const {
        std::string list;
        const std::wstring text = StringValue(L"UrlAllowList");
        size_t start = 0;
        while (start <= text.size()) {
            const size_t end = std::min(text.find(L';', start), text.size());
            if (const std::optional<std::string> entry =
                    ExactAnsiText(std::wstring_view(text).substr(start, end - start))) {
                list += *entry + ";";
            }
            start = end + 1;
        }
        return list;
    }

private:
    std::wstring StringValue(const wchar_t* name) const {
        DWORD type = 0;
        DWORD size = 0;
        if (key_ == nullptr ||
            RegQueryValueExW(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return {};
        }
        std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                             &size) != ERROR_SUCCESS) {
            return {};
        }
        return std::wstring(text.data());  // up to the first terminator, present or added
    }

    HKEY key_ = nullptr;
};

}  // namespace

zone::ViewerRefusal HelpViewerRefusal(const std::string& helpFile) {
    if (!IsFile(helpFile)) {
        return zone::ViewerRefusal::None;  // nothing there to be refused
    }
    const ViewerPolicy policy;
    const std::string allowList = policy.UrlAllowList();
    zone::HelpFilePlace place;
    place.path = helpFile;
    place.onNetworkDrive = IsOnNetworkDrive(helpFile);
    place.markedZone = zone::ZoneIdFromStream(ZoneStreamText(helpFile));
    place.maxAllowedZone = policy.MaxAllowedZone();
    place.allowList = allowList;
    return zone::ViewerRefusalFor(place);
}
