// What F1 checks before it hands a help file to a viewer: that the file is there, that
// no planted winhlp32.exe would be started in place of the system's, and that the HTML
// Help viewer would not show the file blank under the machine's policy.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/exact_ansi.h"
#include "framework/file_kind.h"
#include "framework/help_viewer_refusal.h"
#include "framework/windows_help.h"
#include "tests/wine/scratch_folder.h"

namespace {

// An empty file at path, made through the wide API.
bool PutFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    return file != INVALID_HANDLE_VALUE;
}

// A path beyond the 260 characters of the ANSI functions, which Windows refuses
// unless it is given in the long form.
TEST(FileKind, OnlyAFileIsAFileWhateverItsLength) {
    ScratchFolder scratch;
    const std::wstring folder = WideFromAnsi(scratch.path());
    std::wstring deep = folder;
    while (deep.size() < 300) {
        deep += L"\\" + std::wstring(60, L'd');
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    }
    const std::wstring deepFile = deep + L"\\ravlet.chm";
    ASSERT_TRUE(PutFile(L"\\\\?\\" + deepFile));

    EXPECT_TRUE(IsFile(deepFile));
    EXPECT_FALSE(IsFile(deep));
    EXPECT_FALSE(IsFile(deep + L"\\missing.chm"));
    EXPECT_FALSE(IsFile(scratch.path()));

    DeleteFileW((L"\\\\?\\" + deepFile).c_str());
    while (deep.size() > folder.size()) {
        RemoveDirectoryW((L"\\\\?\\" + deep).c_str());
        deep.resize(deep.find_last_of(L'\\'));
    }
}

// The current folder is "café", which the code page cannot spell: read in ANSI it
// would be "cafe", a folder that is not there.
TEST(WindowsHelp, StartsOnlyForItsFileAndNeverWithAViewerWhereAStartByNameLooks) {
    ScratchFolder program;
    const std::wstring programFolder = WideFromAnsi(program.path());
    const std::wstring cafe = programFolder + L"\\caf\u00e9";
    ASSERT_TRUE(CreateDirectoryW(cafe.c_str(), nullptr));
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(cafe.c_str()));

    const std::string helpFile = program / "ravlet.HLP";
    struct Case {
        const char* what;
        bool helpFile;
        const wchar_t* viewer;  // where a winhlp32.exe lies, if anywhere
        bool mayStart;
    };
    const std::wstring beside = programFolder + L"\\winhlp32.exe";
    const std::wstring inCurrent = cafe + L"\\winhlp32.exe";
    const Case cases[] = {
        {"no help file", false, nullptr, false},
        {"help file alone", true, nullptr, true},
        {"viewer beside the program", true, beside.c_str(), false},
        {"viewer in the current folder", true, inCurrent.c_str(), false},
    };
    for (const Case& c : cases) {
        DeleteFileA(helpFile.c_str());
        DeleteFileW(beside.c_str());
        DeleteFileW(inCurrent.c_str());
        ASSERT_TRUE(!c.helpFile || WriteFileBytes(helpFile, "?_"));
        ASSERT_TRUE(c.viewer == nullptr || PutFile(c.viewer));
        EXPECT_EQ(MayStartWindowsHelp(helpFile), c.mayStart) << c.what;
    }

    SetCurrentDirectoryW(before);
    DeleteFileW(inCurrent.c_str());
    RemoveDirectoryW(cafe.c_str());
}

// The viewer's policy in the program's own registry view, set for one test and removed
// after it.
class ViewerPolicy {
public:
    ViewerPolicy() {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\HTMLHelp\\1.x\\ItssRestrictions",
                        0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_, nullptr);
    }
    ~ViewerPolicy() {
        Set(-1, nullptr);
        RegCloseKey(key_);
    }
    ViewerPolicy(const ViewerPolicy&) = delete;
    ViewerPolicy& operator=(const ViewerPolicy&) = delete;

    bool opened() const { return key_ != nullptr; }

    // A limit below 0, or no list, removes the value.
    void Set(int maxAllowedZone, const wchar_t* allowList) {
        if (maxAllowedZone < 0) {
            RegDeleteValueW(key_, L"MaxAllowedZone");
        } else {
            const DWORD zone = static_cast<DWORD>(maxAllowedZone);
            RegSetValueExW(key_, L"MaxAllowedZone", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&zone), sizeof zone);
        }
        if (allowList == nullptr) {
            RegDeleteValueW(key_, L"UrlAllowList");
        } else {
            RegSetValueExW(key_, L"UrlAllowList", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(allowList),
                           static_cast<DWORD>((wcslen(allowList) + 1) * sizeof(wchar_t)));
        }
    }

private:
    HKEY key_ = nullptr;
};

TEST(HelpViewerRefusal, TheMachinesLimitAndAllowedFoldersDecideForAMarkedFile) {
    ViewerPolicy policy;
    ASSERT_TRUE(policy.opened());
    ScratchFolder folder;
    const std::string helpFile = folder / "ravlet.chm";
    ASSERT_TRUE(WriteFileBytes(helpFile, "ITSF"));
    const std::wstring allowed = L"C:\\caf\u00e9;" + WideFromAnsi(folder.path()) + L"\\";
    struct Case {
        int markedZone;
        int maxAllowedZone;
        const wchar_t* allowList;
        zone::ViewerRefusal expected;
    };
    const Case cases[] = {
        {1, -1, nullptr, zone::ViewerRefusal::Downloaded},
        {2, 2, nullptr, zone::ViewerRefusal::None},
        {3, 2, nullptr, zone::ViewerRefusal::Downloaded},
        {3, 2, L"C:\\elsewhere", zone::ViewerRefusal::Downloaded},
        {3, -1, allowed.c_str(), zone::ViewerRefusal::None},
    };
    for (const Case& c : cases) {
        policy.Set(c.maxAllowedZone, c.allowList);
        ASSERT_TRUE(WriteFileBytes(helpFile + ":Zone.Identifier",
                                   "[ZoneTransfer]\r\nZoneId=" + std::to_string(c.markedZone)));
        EXPECT_EQ(HelpViewerRefusal(helpFile), c.expected)
            << "zone " << c.markedZone << " limit " << c.maxAllowedZone;
    }
    EXPECT_EQ(HelpViewerRefusal(folder / "missing.chm"), zone::ViewerRefusal::None);
}

}  // namespace
