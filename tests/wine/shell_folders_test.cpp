// The shell folder layer against the real shell of the Wine prefix.
#include "destinations/win32_shell_folders.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "destinations/win32_shell_owners.h"
#include "tests/wine/scratch_folder.h"

namespace {

constexpr int kBrowserTitleId = 0x3742;
constexpr int kBrowserStatusId = 0x3743;
constexpr char kBrowserTitle[] = "新しい保存先を指定";

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string PathOf(LPCITEMIDLIST list) {
    char path[MAX_PATH] = {};
    return SHGetPathFromIDListA(list, path) ? path : "<no path>";
}

std::string WindowText(HWND window) {
    char text[MAX_PATH] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// --- Special folders -------------------------------------------------------------------

TEST(GetSpecialFolderPath, TheWellKnownFoldersAreRealFoldersOfThePrefix) {
    for (int id : {CSIDL_DESKTOPDIRECTORY, CSIDL_STARTMENU, CSIDL_APPDATA, CSIDL_FAVORITES}) {
        char path[MAX_PATH] = {};
        EXPECT_EQ(GetSpecialFolderPath(nullptr, id, path), 1) << id;
        EXPECT_EQ(std::string(path).substr(1, 2), ":\\") << path;
        EXPECT_TRUE(IsFolder(path)) << path;
    }
}

TEST(GetSpecialFolderPath, AFolderWithoutAPathFailsAndLeavesNoStaleText) {
    for (int id : {CSIDL_CONTROLS, CSIDL_DRIVES, 0x7F}) {
        char path[MAX_PATH] = "stale";
        EXPECT_EQ(GetSpecialFolderPath(nullptr, id, path), 0) << id;
        EXPECT_STREQ(path, "") << id;
    }
}

// --- Item id lists ---------------------------------------------------------------------

TEST(PathToItemIdList, GivesTheListOfAnExistingFolder) {
    ScratchFolder scratch;
    // The trail byte of "表" and "ソ" is 0x5C.
    const std::string japanese = scratch / "表ソ";
    ASSERT_TRUE(CreateDirectoryA(japanese.c_str(), nullptr));
    ShellAllocator allocator;
    ASSERT_TRUE(allocator);
    for (const std::string& path : {scratch.path(), japanese}) {
        const ItemIdList list(PathToItemIdList(path.c_str()), allocator.get());
        ASSERT_TRUE(list) << path;
        EXPECT_EQ(PathOf(list.get()), path);
    }
}

TEST(PathToItemIdList, GivesNoListWithoutAUsablePath) {
    ScratchFolder scratch;
    EXPECT_EQ(PathToItemIdList(nullptr), nullptr);
    EXPECT_EQ(PathToItemIdList((scratch / "missing").c_str()), nullptr);
    const std::string tooLong = scratch.path() + "\\" + std::string(300, 'a');
    EXPECT_EQ(PathToItemIdList(tooLong.c_str()), nullptr);
}

// --- Quick Launch ----------------------------------------------------------------------

TEST(QuickLaunchHasFiles, OnlyAFolderHoldingAFileIsOffered) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        bool offered;
    };
    const auto folder = [](const std::string& p) { CreateDirectoryA(p.c_str(), nullptr); };
    const auto file = [](const std::string& p) { WriteFileBytes(p, "x"); };
    const Case cases[] = {
        {"absent", [](const std::string&) {}, false},
        {"empty", folder, false},
        {"only a subfolder", [&](const std::string& p) { folder(p), folder(p + "\\sub"); }, false},
        {"a file only inside a subfolder",
         [&](const std::string& p) { folder(p), folder(p + "\\sub"), file(p + "\\sub\\a.lnk"); },
         false},
        {"a file", [&](const std::string& p) { folder(p), file(p + "\\a.lnk"); }, true},
        {"a subfolder and a file",
         [&](const std::string& p) { folder(p), folder(p + "\\sub"), file(p + "\\z.lnk"); }, true},
        {"a file instead of the folder", file, false},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch;
        const std::string quickLaunch = scratch / "Quick Launch";
        c.make(quickLaunch);
        EXPECT_EQ(QuickLaunchHasFiles(quickLaunch), c.offered) << c.what;
    }
    EXPECT_FALSE(QuickLaunchHasFiles(""));
}

// The prefix's own Quick Launch folder, made to hold a file for as long as the owner
// lives and put back as it was afterwards.
class QuickLaunchFile {
public:
    QuickLaunchFile() {
        char appData[MAX_PATH] = {};
        GetSpecialFolderPath(nullptr, CSIDL_APPDATA, appData);
        folder_ = std::string(appData) + "\\Microsoft\\Internet Explorer\\Quick Launch";
        for (const std::string& level :
             {std::string(appData) + "\\Microsoft",
              std::string(appData) + "\\Microsoft\\Internet Explorer", folder_}) {
            if (CreateDirectoryA(level.c_str(), nullptr)) {
                created_.insert(created_.begin(), level);
            }
        }
        file_ = folder_ + "\\ravlet-test.lnk";
        WriteFileBytes(file_, "x");
    }
    QuickLaunchFile(const QuickLaunchFile&) = delete;
    QuickLaunchFile& operator=(const QuickLaunchFile&) = delete;
    ~QuickLaunchFile() {
        DeleteFileA(file_.c_str());
        for (const std::string& level : created_) {
            RemoveDirectoryA(level.c_str());
        }
    }

    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    std::string file_;
    std::vector<std::string> created_;
};

std::vector<std::string> Labels(const std::vector<WellKnownFolder>& folders) {
    std::vector<std::string> labels;
    for (const WellKnownFolder& folder : folders) {
        labels.push_back(folder.label);
    }
    return labels;
}

TEST(FindWellKnownFolders, OffersQuickLaunchWhenItHoldsAFile) {
    const QuickLaunchFile quickLaunch;
    const std::vector<WellKnownFolder> folders = FindWellKnownFolders(nullptr);
    EXPECT_EQ(Labels(folders),
              (std::vector<std::string>{"デスクトップ", "スタートメニュー", "クイック起動",
                                        "ＩＥのお気に入りフォルダ"}));
    ASSERT_EQ(folders.size(), 4u);
    char path[MAX_PATH];
    GetSpecialFolderPath(nullptr, CSIDL_DESKTOPDIRECTORY, path);
    EXPECT_EQ(folders[0].path, path);
    GetSpecialFolderPath(nullptr, CSIDL_STARTMENU, path);
    EXPECT_EQ(folders[1].path, path);
    EXPECT_EQ(folders[2].path, quickLaunch.folder());
    GetSpecialFolderPath(nullptr, CSIDL_FAVORITES, path);
    EXPECT_EQ(folders[3].path, path);
}

TEST(FindWellKnownFolders, LeavesQuickLaunchOutWhenItHoldsNoFile) {
    std::string quickLaunch;
    {
        const QuickLaunchFile probe;
        quickLaunch = probe.folder();
    }
    if (QuickLaunchHasFiles(quickLaunch)) {
        GTEST_SKIP() << "the prefix's Quick Launch folder holds files of its own";
    }
    const std::vector<WellKnownFolder> folders = FindWellKnownFolders(nullptr);
    EXPECT_EQ(Labels(folders), (std::vector<std::string>{"デスクトップ", "スタートメニュー",
                                                         "ＩＥのお気に入りフォルダ"}));
}

// --- Folder browser callback -----------------------------------------------------------

struct SentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::string text;
};
std::vector<SentMessage> g_sent;

LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) {
        g_sent.push_back(
            {message, wParam, lParam,
             message == BFFM_SETSTATUSTEXTA ? reinterpret_cast<const char*>(lParam) : ""});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window standing in for the browser, recording what the callback sends it.
class RecordingWindow {
public:
    RecordingWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = RecordingWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "RavletBrowserStandIn";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "RavletBrowserStandIn", "", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        g_sent.clear();
    }
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;
    ~RecordingWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

TEST(FolderBrowserCallback, ShowsThePathOfAHighlightedFolderInTheStatusLine) {
    ScratchFolder scratch;
    ShellAllocator allocator;
    const ItemIdList folder(PathToItemIdList(scratch.path().c_str()), allocator.get());
    ASSERT_TRUE(folder);
    const RecordingWindow browser;

    EXPECT_EQ(FolderBrowserCallback(browser.get(), BFFM_SELCHANGED,
                                    reinterpret_cast<LPARAM>(folder.get()), 0),
              0);
    ASSERT_EQ(g_sent.size(), 1u);
    EXPECT_EQ(g_sent[0].message, static_cast<UINT>(BFFM_SETSTATUSTEXTA));
    EXPECT_EQ(g_sent[0].text, scratch.path());
}

TEST(FolderBrowserCallback, LeavesTheStatusLineAloneForAnItemWithoutAPath) {
    ShellAllocator allocator;
    for (int id : {CSIDL_CONTROLS, CSIDL_DRIVES, CSIDL_BITBUCKET}) {
        LPITEMIDLIST raw = nullptr;
        ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, id, &raw))) << id;
        const ItemIdList item(raw, allocator.get());
        const RecordingWindow browser;
        EXPECT_EQ(FolderBrowserCallback(browser.get(), BFFM_SELCHANGED,
                                        reinterpret_cast<LPARAM>(item.get()), 0),
                  0);
        EXPECT_TRUE(g_sent.empty()) << id;
    }
}

TEST(FolderBrowserCallback, SelectsTheInitialFolderWhenTheBrowserStarts) {
    ScratchFolder scratch;
    ShellAllocator allocator;
    const ItemIdList initial(PathToItemIdList(scratch.path().c_str()), allocator.get());
    const RecordingWindow browser;

    const LPARAM data = reinterpret_cast<LPARAM>(initial.get());
    EXPECT_EQ(FolderBrowserCallback(browser.get(), BFFM_INITIALIZED, 0, data), 0);
    ASSERT_EQ(g_sent.size(), 1u);
    EXPECT_EQ(g_sent[0].message, static_cast<UINT>(BFFM_SETSELECTIONA));
    EXPECT_EQ(g_sent[0].wParam, static_cast<WPARAM>(FALSE));  // lParam is an item id list
    EXPECT_EQ(g_sent[0].lParam, data);

    g_sent.clear();
    EXPECT_EQ(FolderBrowserCallback(browser.get(), BFFM_INITIALIZED, 0, 0), 0);
    EXPECT_TRUE(g_sent.empty());
}

// --- The folder browser itself ---------------------------------------------------------

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// The browser: a dialog owned by the given window, once it shows.
HWND WaitForBrowser(HWND owner, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
             window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
            if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) {
                return window;
            }
        }
        Sleep(50);
    }
    return nullptr;
}

// Plays the user of the browser on a thread of its own while the test's thread runs
// the browser's modal loop.
class BrowserUser {
public:
    // act gets the browser window and says which button to press.
    BrowserUser(HWND owner, std::function<int(HWND)> act)
        : thread_([this, owner, act] {
              const HWND browser = WaitForBrowser(owner, 15000);
              if (!browser) {
                  return;
              }
              seen_ = true;
              title_ = WindowText(GetDlgItem(browser, kBrowserTitleId));
              const int button = act(browser);
              PostMessageA(GetDlgItem(browser, button), BM_CLICK, 0, 0);
          }) {}
    BrowserUser(const BrowserUser&) = delete;
    BrowserUser& operator=(const BrowserUser&) = delete;
    ~BrowserUser() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

    void Finish() { thread_.join(); }
    bool seen() const { return seen_; }
    const std::string& title() const { return title_; }

private:
    std::atomic<bool> seen_{false};
    std::string title_;
    std::thread thread_;
};

Window MakeOwner() {
    return Window(CreateWindowExA(0, "STATIC", "ravlet test owner", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                                  300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
}

TEST(BrowseForFolder, CancelledBrowseReturnsFalseAndLeavesThePathAlone) {
    const Window owner = MakeOwner();
    BrowserUser user(owner.get(), [](HWND) { return IDCANCEL; });

    std::string path = "unchanged";
    const bool chosen = BrowseForFolder(owner.get(), path, nullptr, nullptr, kBrowserTitle);
    user.Finish();

    ASSERT_TRUE(user.seen());
    EXPECT_EQ(user.title(), kBrowserTitle);
    EXPECT_FALSE(chosen);
    EXPECT_EQ(path, "unchanged");
}

TEST(BrowseForFolder, StartsAtTheInitialFolderShowsItsPathAndReturnsIt) {
    ScratchFolder scratch;
    const std::string initial = scratch / "保存先ソ";
    ASSERT_TRUE(CreateDirectoryA(initial.c_str(), nullptr));
    const Window owner = MakeOwner();
    std::string status;
    BrowserUser user(owner.get(), [&status](HWND browser) {
        const DWORD start = GetTickCount();
        while (status.empty() && GetTickCount() - start < 5000) {
            status = WindowText(GetDlgItem(browser, kBrowserStatusId));
            Sleep(50);
        }
        return IDOK;
    });

    std::string path;
    const bool chosen = BrowseForFolder(owner.get(), path, initial.c_str(), nullptr, kBrowserTitle);
    user.Finish();

    ASSERT_TRUE(user.seen());
    EXPECT_EQ(status, initial);
    EXPECT_TRUE(chosen);
    EXPECT_EQ(path, initial);
}

TEST(BrowseForFolder, ShowsThePathOfTheFolderTheUserHighlightsAndReturnsIt) {
    ScratchFolder scratch;
    const std::string folder = scratch / "表示ソ";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const Window owner = MakeOwner();
    std::string status;
    BrowserUser user(owner.get(), [&](HWND browser) {
        const DWORD start = GetTickCount();
        while (status != folder && GetTickCount() - start < 10000) {
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE,
                         reinterpret_cast<LPARAM>(folder.c_str()));
            Sleep(200);
            status = WindowText(GetDlgItem(browser, kBrowserStatusId));
        }
        return IDOK;
    });

    std::string path = "unchanged";
    const bool chosen = BrowseForFolder(owner.get(), path, nullptr, nullptr, kBrowserTitle);
    user.Finish();

    ASSERT_TRUE(user.seen());
    EXPECT_EQ(status, folder);
    EXPECT_TRUE(chosen);
    EXPECT_EQ(path, folder);
}

}  // namespace
