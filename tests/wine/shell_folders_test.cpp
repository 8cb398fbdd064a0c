// The shell folder layer against the real shell of the Wine prefix.
#include "destinations/win32_shell_folders.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "destinations/win32_shell_owners.h"
#include "framework/exact_ansi.h"
#include "tests/shared/folder_browser_ids.h"
#include "tests/wine/scratch_folder.h"

namespace {

constexpr char kBrowserTitle[] = "新しい保存先を指定";

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The item id list of an existing folder, as the browser hands one to its callback.
LPITEMIDLIST ItemIdListOf(const std::wstring& path) {
    LPITEMIDLIST list = nullptr;
    return SUCCEEDED(SHParseDisplayName(path.c_str(), nullptr, &list, 0, nullptr)) ? list : nullptr;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::wstring Wide(const std::string& ansi) {
    std::wstring wide(ansi.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0],
                                                        static_cast<int>(wide.size()))) -
                1);
    return wide;
}

// Folders made under a scratch folder and named in UTF-16, because the code page
// cannot name some of them (nor, then, remove them: the owner does that itself).
class WideFolders {
public:
    WideFolders(const ScratchFolder& scratch, const std::wstring& below) {
        std::wstring path = Wide(scratch.path());
        size_t start = 0;
        while (start < below.size()) {
            const size_t end = std::min(below.find(L'\\', start), below.size());
            path += L"\\" + below.substr(start, end - start);
            if (CreateDirectoryW(path.c_str(), nullptr)) {
                made_.insert(made_.begin(), path);
            }
            start = end + 1;
        }
        path_ = path;
    }
    WideFolders(const WideFolders&) = delete;
    WideFolders& operator=(const WideFolders&) = delete;
    ~WideFolders() {
        for (const std::wstring& folder : made_) {
            RemoveDirectoryW(folder.c_str());
        }
    }
    // The deepest folder.
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
    std::vector<std::wstring> made_;
};

// A folder of 140 Japanese characters below the scratch folder: fine for the shell,
// but far more than 260 bytes in the code page.
std::wstring LongJapaneseFolder() {
    const std::wstring part =
        Wide("表ソあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめ");
    return part + L"\\" + part + L"\\" + part + L"\\" + part;
}

// --- Special folders -------------------------------------------------------------------

TEST(GetSpecialFolderPath, TheWellKnownFoldersAreRealFoldersOfThePrefix) {
    for (int id : {CSIDL_DESKTOPDIRECTORY, CSIDL_STARTMENU, CSIDL_APPDATA, CSIDL_FAVORITES}) {
        std::string path;
        EXPECT_EQ(GetSpecialFolderPath(nullptr, id, path), 1) << id;
        EXPECT_EQ(path.substr(1, 2), ":\\") << path;
        EXPECT_TRUE(IsFolder(path)) << path;
    }
}

TEST(GetSpecialFolderPath, AFolderWithoutAPathFailsAndLeavesNoStaleText) {
    for (int id : {CSIDL_CONTROLS, CSIDL_DRIVES, 0x7F}) {
        std::string path = "stale";
        EXPECT_EQ(GetSpecialFolderPath(nullptr, id, path), 0) << id;
        EXPECT_EQ(path, "") << id;
    }
}

// --- Paths from UTF-16 -----------------------------------------------------------------

TEST(ExactAnsiText, OnlyTextTheCodePageSpellsExactlyIsConverted) {
    struct Case {
        const char* what;
        std::wstring wide;
        std::optional<std::string> ansi;
    };
    const Case cases[] = {
        {"ASCII", L"C:\\Mail", "C:\\Mail"},
        {"Japanese with trail bytes 0x5C", L"C:\\\u30BD\u8868", "C:\\\x83\x5C\x95\x5C"},
        {"half-width katakana", L"\uFF71", "\xB1"},
        {"nothing", L"", ""},
        // Best fit would give "\\": x\u00A5..\u00A5Startup would climb out of the folder.
        {"yen sign", L"x\u00A5..\u00A5Startup", std::nullopt},
        {"a Latin letter outside the code page", L"caf\u00E9", std::nullopt},
        {"a character outside the code page", L"\u0416\u00F1", std::nullopt},
        {"outside the basic plane", L"a\U0001F600", std::nullopt},
        {"a lone surrogate", std::wstring(L"a") + wchar_t(0xD800), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExactAnsiText(c.wide), c.ansi) << c.what;
    }
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
        std::string appData;
        GetSpecialFolderPath(nullptr, CSIDL_APPDATA, appData);
        folder_ = appData + "\\Microsoft\\Internet Explorer\\Quick Launch";
        for (const std::string& level :
             {appData + "\\Microsoft", appData + "\\Microsoft\\Internet Explorer", folder_}) {
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

std::string AppData() {
    std::string path;
    GetSpecialFolderPath(nullptr, CSIDL_APPDATA, path);
    return path;
}

TEST(FindWellKnownFolders, OffersQuickLaunchWhenItHoldsAFile) {
    const QuickLaunchFile quickLaunch;
    const std::vector<WellKnownFolder> folders = FindWellKnownFolders(nullptr, AppData());
    EXPECT_EQ(Labels(folders),
              (std::vector<std::string>{"デスクトップ", "スタートメニュー", "クイック起動",
                                        "ＩＥのお気に入りフォルダ"}));
    ASSERT_EQ(folders.size(), 4u);
    std::string path;
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
    const std::vector<WellKnownFolder> folders = FindWellKnownFolders(nullptr, AppData());
    EXPECT_EQ(Labels(folders), (std::vector<std::string>{"デスクトップ", "スタートメニュー",
                                                         "ＩＥのお気に入りフォルダ"}));
}

// --- Folder browser callback -----------------------------------------------------------

struct SentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::wstring text;
};
std::vector<SentMessage> g_sent;

LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) {
        g_sent.push_back(
            {message, wParam, lParam,
             message == BFFM_SETSTATUSTEXTW ? reinterpret_cast<const wchar_t*>(lParam) : L""});
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
    // The trail byte of "表" and "ソ" is 0x5C.
    const std::string japanese = scratch / "表ソ";
    ASSERT_TRUE(CreateDirectoryA(japanese.c_str(), nullptr));
    ShellAllocator allocator;
    for (const std::string& path : {scratch.path(), japanese}) {
        const ItemIdList folder(ItemIdListOf(Wide(path)), allocator.get());
        ASSERT_TRUE(folder) << path;
        const RecordingWindow browser;

        EXPECT_EQ(FolderBrowserCallback(browser.get(), BFFM_SELCHANGED,
                                        reinterpret_cast<LPARAM>(folder.get()), 0),
                  0);
        ASSERT_EQ(g_sent.size(), 1u) << path;
        EXPECT_EQ(g_sent[0].message, static_cast<UINT>(BFFM_SETSTATUSTEXTW));
        EXPECT_EQ(g_sent[0].text, Wide(path));
    }
}

TEST(FolderBrowserCallback, ShowsNoPathForAFolderTheCodePageCannotSpell) {
    ScratchFolder scratch;
    const WideFolders folders(scratch, L"x\u00A5y");
    const std::wstring& yen = folders.path();
    ShellAllocator allocator;
    const ItemIdList folder(ItemIdListOf(yen), allocator.get());
    ASSERT_TRUE(folder);
    const RecordingWindow browser;

    FolderBrowserCallback(browser.get(), BFFM_SELCHANGED, reinterpret_cast<LPARAM>(folder.get()),
                          0);
    ASSERT_EQ(g_sent.size(), 1u);
    EXPECT_EQ(g_sent[0].message, static_cast<UINT>(BFFM_SETSTATUSTEXTW));
    EXPECT_EQ(g_sent[0].text, L"");
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

TEST(FolderBrowserCallback, LeavesTheSelectionToTheBrowserWhenItStarts) {
    // The browser opens at the desktop with nothing selected: the callback sends nothing.
    const RecordingWindow browser;
    EXPECT_EQ(FolderBrowserCallback(browser.get(), BFFM_INITIALIZED, 0, 0), 0);
    EXPECT_TRUE(g_sent.empty());
}

// --- The folder browser itself ---------------------------------------------------------

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// The browser: a visible dialog owned by the given window, or null.
HWND FindBrowser(HWND owner) {
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
         window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
        if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// Plays the user of the browser from inside the browser's own modal loop: a timer of
// the test's thread, which only that loop dispatches once the browser has started,
// calls the step on every tick until it names the button to press. No other thread
// waits on the browser, and a browser that never reaches the wanted state is
// cancelled, so a test ends.
class BrowserScript {
public:
    using Step = std::function<std::optional<int>(HWND browser)>;

    BrowserScript(HWND owner, Step step)
        : owner_(owner), step_(std::move(step)), start_(GetTickCount()) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, kTickMs, &BrowserScript::Tick);
    }
    BrowserScript(const BrowserScript&) = delete;
    BrowserScript& operator=(const BrowserScript&) = delete;
    ~BrowserScript() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }

    bool seen() const { return seen_; }
    bool timedOut() const { return timedOut_; }
    const std::string& title() const { return title_; }

private:
    static constexpr UINT kTickMs = 50;
    static constexpr DWORD kTimeoutMs = 20000;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        BrowserScript* self = current_;
        // The step may send messages that run a nested loop: one tick at a time.
        if (self == nullptr || self->done_ || self->busy_) {
            return;
        }
        const HWND browser = FindBrowser(self->owner_);
        if (browser == nullptr) {
            return;
        }
        self->busy_ = true;
        if (!self->seen_) {
            self->seen_ = true;
            self->title_ = WindowText(GetDlgItem(browser, kBrowserTitleId));
        }
        std::optional<int> button = self->step_(browser);
        if (!button && GetTickCount() - self->start_ > kTimeoutMs) {
            self->timedOut_ = true;
            button = IDCANCEL;
        }
        if (button) {
            self->done_ = true;
            PostMessageA(GetDlgItem(browser, *button), BM_CLICK, 0, 0);
        }
        self->busy_ = false;
    }

    static inline BrowserScript* current_ = nullptr;
    HWND owner_;
    Step step_;
    DWORD start_;
    UINT_PTR timer_ = 0;
    bool seen_ = false;
    bool timedOut_ = false;
    bool done_ = false;
    bool busy_ = false;
    std::string title_;
};

// A step that asks the browser to highlight path until its status line shows it.
// Wine's browser sometimes ignores the first request for a folder made just before.
BrowserScript::Step UntilHighlighted(const std::string& path, std::string& status) {
    return [&path, &status](HWND browser) -> std::optional<int> {
        status = WindowText(GetDlgItem(browser, kBrowserStatusId));
        if (status == path) {
            return IDOK;
        }
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
        return std::nullopt;
    };
}

Window MakeOwner() {
    return Window(CreateWindowExA(0, "STATIC", "ravlet test owner", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                                  300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
}

TEST(BrowseForFolder, CancelReportsCancelledAndLeavesThePathAlone) {
    const Window owner = MakeOwner();
    const BrowserScript user(owner.get(), [](HWND) { return IDCANCEL; });

    std::string path = "unchanged";
    const FolderChoice choice = BrowseForFolder(owner.get(), path, kBrowserTitle);

    ASSERT_TRUE(user.seen());
    ASSERT_FALSE(user.timedOut());
    EXPECT_EQ(user.title(), kBrowserTitle);
    EXPECT_EQ(choice, FolderChoice::Cancelled);
    EXPECT_EQ(path, "unchanged");
}

TEST(BrowseForFolder, OpensAtTheDesktopWithNothingHighlightedAndOkThereTakesTheDesktop) {
    std::string desktop;
    ASSERT_TRUE(GetSpecialFolderPath(nullptr, CSIDL_DESKTOPDIRECTORY, desktop));
    const Window owner = MakeOwner();
    bool highlighted = true;
    std::string status;
    const BrowserScript user(owner.get(), [&](HWND browser) -> std::optional<int> {
        const HWND tree = GetDlgItem(browser, kBrowserTreeId);
        if (SendMessageW(tree, TVM_GETCOUNT, 0, 0) == 0) {
            return std::nullopt;  // not filled yet
        }
        highlighted = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != 0;
        status = WindowText(GetDlgItem(browser, kBrowserStatusId));
        return IDOK;
    });

    std::string path;
    const FolderChoice choice = BrowseForFolder(owner.get(), path, kBrowserTitle);

    ASSERT_TRUE(user.seen());
    ASSERT_FALSE(user.timedOut()) << "the browser's tree stayed empty";
    EXPECT_FALSE(highlighted);
    EXPECT_EQ(status, "");
    EXPECT_EQ(choice, FolderChoice::Chosen);
    EXPECT_EQ(path, desktop);
}

TEST(BrowseForFolder, ShowsThePathOfTheFolderTheUserHighlightsAndReturnsIt) {
    ScratchFolder scratch;
    const std::string folder = scratch / "表示ソ";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const Window owner = MakeOwner();
    std::string status;
    const BrowserScript user(owner.get(), UntilHighlighted(folder, status));

    std::string path = "unchanged";
    const FolderChoice choice = BrowseForFolder(owner.get(), path, kBrowserTitle);

    ASSERT_TRUE(user.seen());
    EXPECT_EQ(status, folder);
    EXPECT_EQ(choice, FolderChoice::Chosen);
    EXPECT_EQ(path, folder);
}

// Moves the browser's caret down the tree as the arrow keys do, one level per call:
// from the scratch folder down a chain of single subfolders.
class TreeWalk {
public:
    TreeWalk(const ScratchFolder& scratch, int levels)
        : scratchName_(Wide(scratch.path().substr(scratch.path().rfind('\\') + 1))),
          levels_(levels) {}

    void operator()(HWND browser) {
        const HWND tree = GetDlgItem(browser, kBrowserTreeId);
        const auto caret =
            reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
        // Until the browser shows the scratch folder, and then the last step taken,
        // there is nothing to do yet.
        if (depth_ == levels_ || !caret || (depth_ == 0 && ItemText(tree, caret) != scratchName_) ||
            (depth_ > 0 && caret != reached_)) {
            return;
        }
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(caret));
        const auto child = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(caret)));
        if (child &&
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(child))) {
            reached_ = child;
            ++depth_;
        }
    }

private:
    static std::wstring ItemText(HWND tree, HTREEITEM item) {
        WCHAR text[MAX_PATH] = {};
        TVITEMW request = {};
        request.mask = TVIF_TEXT;
        request.hItem = item;
        request.pszText = text;
        request.cchTextMax = MAX_PATH;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request));
        return text;
    }

    std::wstring scratchName_;
    int levels_;
    int depth_ = 0;
    HTREEITEM reached_ = nullptr;
};

// The user highlights the scratch folder, then another folder (highlight is called on
// every tick until the status line shows expectedStatus) and presses OK.
FolderChoice ChooseInBrowser(const ScratchFolder& scratch,
                             const std::function<void(HWND)>& highlight,
                             const std::string& expectedStatus, std::string& path,
                             std::string& status) {
    const Window owner = MakeOwner();
    const BrowserScript::Step toScratch = UntilHighlighted(scratch.path(), status);
    bool atScratch = false;
    const BrowserScript user(owner.get(), [&](HWND browser) -> std::optional<int> {
        if (!atScratch) {
            atScratch = toScratch(browser).has_value();
            return std::nullopt;
        }
        highlight(browser);
        status = WindowText(GetDlgItem(browser, kBrowserStatusId));
        return status == expectedStatus ? std::optional<int>(IDOK) : std::nullopt;
    });
    const FolderChoice choice = BrowseForFolder(owner.get(), path, kBrowserTitle);
    EXPECT_TRUE(user.seen());
    EXPECT_FALSE(user.timedOut()) << "the status line stayed \"" << status << "\"";
    return choice;
}

TEST(BrowseForFolder, AJapaneseFolderLongerThan260BytesComesBackWhole) {
    ScratchFolder scratch;
    const WideFolders folders(scratch, LongJapaneseFolder());
    const std::wstring& folder = folders.path();
    const std::string expected = *ExactAnsiText(folder);
    ASSERT_GT(expected.size(), 300u);
    ASSERT_TRUE(IsFolder(expected));

    std::string path = "unchanged";
    std::string status;
    EXPECT_EQ(ChooseInBrowser(scratch, TreeWalk(scratch, 4), expected, path, status),
              FolderChoice::Chosen);
    EXPECT_EQ(status, expected);
    EXPECT_EQ(path, expected);
}

TEST(BrowseForFolder, AFolderTheCodePageCannotSpellIsNotChosen) {
    struct Case {
        const char* what;
        std::wstring below;
    };
    const Case cases[] = {
        // Best fit would make "\\" of the yen sign: "x\..\..\Startup".
        {"yen sign", L"x\u00A5..\u00A5..\u00A5Startup"},
        {"outside the code page", L"caf\u00E9"},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch;
        const WideFolders folders(scratch, c.below);
        const std::wstring& folder = folders.path();
        ASSERT_NE(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES) << c.what;

        std::string path = "unchanged";
        std::string status;
        EXPECT_EQ(ChooseInBrowser(scratch, TreeWalk(scratch, 1), "", path, status),
                  FolderChoice::NotRepresentable)
            << c.what;
        EXPECT_EQ(status, "") << c.what;
        EXPECT_EQ(path, "unchanged") << c.what;
    }
}

// The item id list of a folder whose path the shell will not parse whole (260
// characters or more), as the browser builds one: the parent's list, then that of its
// only child.
LPITEMIDLIST LongItemIdListOf(const std::wstring& parent) {
    ComReference<IShellFolder> desktop;
    ComReference<IShellFolder> folder;
    ShellAllocator allocator;
    const ItemIdList parentList(ItemIdListOf(parent), allocator.get());
    if (!parentList || FAILED(SHGetDesktopFolder(desktop.out())) ||
        FAILED(desktop->BindToObject(parentList.get(), nullptr, IID_IShellFolder,
                                     reinterpret_cast<void**>(folder.out())))) {
        return nullptr;
    }
    // Listing the parent, as the browser's tree does, gives the child without parsing
    // its path.
    ComReference<IEnumIDList> children;
    LPITEMIDLIST child = nullptr;
    if (folder->EnumObjects(nullptr, SHCONTF_FOLDERS, children.out()) != S_OK ||
        children->Next(1, &child, nullptr) != S_OK) {
        return nullptr;
    }
    const ItemIdList childList(child, allocator.get());
    return ILCombine(parentList.get(), childList.get());
}

// The shell's path functions stop at MAX_PATH (260) characters with the terminator: a
// folder with a path of 259 characters can be a destination; a longer one is told
// apart from an item without a path, so that the user hears why it was not taken.
TEST(ChoiceOfItem, AFolderOf260CharactersOrMoreIsTooLong) {
    struct Case {
        size_t length;
        FolderChoice choice;
    };
    for (const Case& c : {Case{259, FolderChoice::Chosen}, Case{260, FolderChoice::TooLong},
                          Case{300, FolderChoice::TooLong}}) {
        ScratchFolder scratch;
        const size_t base = Wide(scratch.path()).size();
        ASSERT_LT(base + 10, c.length);
        // Components of at most 100 characters, each behind a backslash.
        std::wstring below;
        size_t total = base;
        while (total < c.length) {
            const size_t part = std::min<size_t>(100, c.length - total - 1);
            const wchar_t letter = static_cast<wchar_t>(L'a' + below.size() % 26);
            below += (below.empty() ? L"" : L"\\") + std::wstring(part, letter);
            total += part + 1;
        }
        const WideFolders folders(scratch, below);
        ASSERT_EQ(folders.path().size(), c.length);
        ShellAllocator allocator;
        const size_t last = folders.path().find_last_of(L'\\');
        const ItemIdList item(LongItemIdListOf(folders.path().substr(0, last)), allocator.get());
        ASSERT_TRUE(item) << c.length;

        std::string path;
        EXPECT_EQ(ChoiceOfItem(item.get(), path), c.choice) << c.length;
        if (c.choice == FolderChoice::Chosen) {
            EXPECT_EQ(path, *ExactAnsiText(folders.path()));
        }
    }
}

}  // namespace
