// Added destinations and the last selection are kept in ravlet.ini beside the program,
// or in the user's own folder where the program's folder cannot be written: written
// when the dialog closes or the session ends, read back at the next start; the list
// holds at most 20 entries, the oldest added folder falling off.
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "driver/button.h"
#include "driver/folder_browser.h"
#include "driver/icon_picker.h"
#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"
#include "driver/window_lookup.h"
#include "tests/shared/settings_keys.h"

namespace e2e {
namespace {

// The Wine session's read-only volume: a copy of the program alone in its folder.
const char kReadOnlyProgram[] = "D:\\readonly\\bare\\ravlet.exe";

// Names in a folder, sorted, without "." and "..".
std::vector<std::string> EntriesOf(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// %APPDATA%\ravlet, where the settings go when the program's folder is read-only.
std::string PerUserFolder() {
    char appData[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData);
    return std::string(appData) + "\\ravlet";
}

void RemovePerUserSettings() {
    DeleteFileA((PerUserFolder() + "\\ravlet.ini").c_str());
    RemoveDirectoryA(PerUserFolder().c_str());
    DeleteFileA(PerUserFolder().c_str());
}

// True when the program's copy on the read-only volume is there and cannot be written.
bool ReadOnlyProgramReady() {
    const HANDLE file = CreateFileA(kReadOnlyProgram, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return PathExists(kReadOnlyProgram);
}

class Settings : public RavletTest {
protected:
    std::string Ini() const { return folder_ + "\\ravlet.ini"; }
    std::string Read(const std::string& key, const std::string& ini = {}) const {
        char value[512] = {};
        GetPrivateProfileStringA(kSettingsSection, key.c_str(), "(none)", value, sizeof value,
                                 (ini.empty() ? Ini() : ini).c_str());
        return value;
    }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(program_->Process(), &code);
        return code;
    }
    void Write(const std::string& key, const std::string& value) {
        WritePrivateProfileStringA(kSettingsSection, key.c_str(), value.c_str(), Ini().c_str());
    }
    // The well-known folders head the list: 3, or 4 when Quick Launch is offered.
    int FixedCount() const {
        int fixed = 0;
        for (const auto& item : Destinations()) {
            fixed += item.find('\\') == std::string::npos;
        }
        return fixed;
    }
};

TEST_F(Settings, AFreshStartOffersTheWellKnownFoldersAndFocusesTheAddress) {
    const auto items = Destinations();
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items.front(), "デスクトップ");
    EXPECT_EQ(items[1], "スタートメニュー");
    EXPECT_EQ(items.back(), "ＩＥのお気に入りフォルダ");
    EXPECT_EQ(SelectedDestination(), 0);
    EXPECT_FALSE(PathExists(Ini())) << "nothing is written at start";
    EXPECT_TRUE(FocusSettlesOn(IDC_ADDRESS));
    EXPECT_EQ(PreviewPicture(Dialog()), nullptr);
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    EXPECT_EQ(EntriesOf(folder_), (std::vector<std::string>{"ravlet.exe", "ravlet.ini"}));
}

TEST_F(Settings, AnAddedFolderIsSavedAtCloseAndSelectedAtTheNextStart) {
    const int fixed = FixedCount();
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    EXPECT_EQ(Read("MENU_000"), outbox);
    EXPECT_EQ(Read("MENU_001"), "(none)");
    EXPECT_EQ(Read("SELECT"), std::to_string(fixed));

    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    ASSERT_EQ(Destinations().size(), static_cast<size_t>(fixed + 1));
    EXPECT_EQ(Destinations()[fixed], outbox);
    EXPECT_EQ(SelectedDestination(), fixed);
}

TEST_F(Settings, TheCloseBoxAlsoSavesAndCancellingTheBrowserChangesNothing) {
    const int fixed = FixedCount();
    const auto before = Destinations();
    PostClick(Control(IDC_NEW_FOLDER));
    HWND browser = WaitForFolderBrowser(Dialog());
    ASSERT_TRUE(browser);
    EXPECT_EQ(BrowserTitle(browser), "新しい保存先を指定");
    ASSERT_TRUE(CancelFolderBrowser(browser));
    EXPECT_EQ(Destinations(), before);
    EXPECT_EQ(SelectedDestination(), 0);

    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(
        AddDestination(outbox));  // no duplicate check: a second, identical entry
    EXPECT_EQ(Destinations().size(), static_cast<size_t>(fixed + 2));
    PostMessageA(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program_->WaitForExit(kDefaultTimeoutMs)) << "the close box did not end it";
    EXPECT_EQ(Read("MENU_000"), outbox);
    EXPECT_EQ(Read("MENU_001"), outbox);
    EXPECT_EQ(Read("SELECT"), std::to_string(fixed));
}

TEST_F(Settings, TheListHoldsTwentyEntriesAndTheOldestAddedFolderFallsOff) {
    const int fixed = FixedCount();
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    const int userSlots = 20 - fixed;
    for (int i = 0; i < userSlots; ++i) {
        Write(MenuKey(i), "C:\\saved\\folder" + std::to_string(i));
    }
    Write("SELECT", "5");
    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    ASSERT_EQ(Destinations().size(), 20u);
    EXPECT_EQ(SelectedDestination(), 5);

    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    const auto items = Destinations();
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items[fixed], outbox);
    EXPECT_EQ(items[fixed + 1], "C:\\saved\\folder0");
    EXPECT_EQ(items[19], "C:\\saved\\folder" + std::to_string(userSlots - 2));
    EXPECT_EQ(SelectedDestination(), fixed);

    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    EXPECT_EQ(Read(MenuKey(0)), outbox);
    EXPECT_EQ(Read(MenuKey(1)), "C:\\saved\\folder0");
    EXPECT_EQ(Read(MenuKey(userSlots - 1)), "C:\\saved\\folder" + std::to_string(userSlots - 2));
}

TEST_F(Settings, TheEndOfTheSessionSavesAndTheDialogsEndDoesNotSaveAgain) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    // Typed text never holds up the end of a session.
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_SUBJECT, "typed"));
    // As Windows ends a session: the process is ended after these, without WM_DESTROY.
    EXPECT_TRUE(SendMessageA(Dialog(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageA(Dialog(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(HasNoMessageBox(Dialog()));
    EXPECT_EQ(Read("MENU_000"), outbox);

    ASSERT_TRUE(DeleteFileA(Ini().c_str()));
    PressKey(VK_ESCAPE);
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(WaitForMessageBox(Dialog()), IDYES));
    ASSERT_TRUE(program_->WaitForExit(kDefaultTimeoutMs));
    EXPECT_FALSE(PathExists(Ini())) << "saved a second time";
}

TEST_F(Settings, HoweverTheProgramIsStartedItsSettingsAndIconFileAreBesideIt) {
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    ASSERT_TRUE(DeleteFileA(Ini().c_str()));
    std::string slashed = exe_;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    struct Case {
        const char* what;
        std::string commandLine;
    };
    const Case cases[] = {
        {"bare name", "ravlet"},
        {"forward slashes", "\"" + slashed + "\""},
        {"relative path", ".\\ravlet.exe"},
        {"unquoted path and a file", exe_ + " C:\\x\\y.txt"},
    };
    const std::string windowsIni = "C:\\windows\\ravlet.ini";
    DeleteFileA(windowsIni.c_str());
    const std::string elsewhere = FreshFolder("Settings_started_elsewhere");
    const std::string outbox = Outbox();
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(StartRavletAs(c.commandLine, elsewhere));
        ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
        HWND picker = OpenIconPicker(Dialog());
        ASSERT_TRUE(picker) << c.what;
        ASSERT_TRUE(PickIcon(picker, 1)) << c.what;
        ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "a@example.jp"));
        ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("a@example.jp"));
        ASSERT_NO_FATAL_FAILURE(QuitWithEscape());

        const std::string shortcut = outbox + "\\a@example.jp さんへ.url";
        EXPECT_NE(ReadFileBytes(shortcut).value_or("").find("IconFile=" + exe_ + "\r\n"),
                  std::string::npos)
            << c.what;
        DeleteFileA(shortcut.c_str());
        EXPECT_EQ(Read("MENU_000"), outbox) << c.what;
        EXPECT_EQ(EntriesOf(elsewhere), std::vector<std::string>{}) << c.what;
        EXPECT_FALSE(PathExists(windowsIni)) << c.what;
        DeleteFileA(Ini().c_str());
    }
}

// The Wine session mounts a read-only volume with a copy of the program when it runs as
// root, and even root cannot write there.
class ReadOnlyProgramFolder : public Settings {
protected:
    void SetUp() override {
        Settings::SetUp();
        if (!ReadOnlyProgramReady()) {
            GTEST_SKIP() << kReadOnlyProgram << " is not on a read-only volume (wine-session.sh "
                         << "mounts one when run as root)";
        }
        ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
        RemovePerUserSettings();
        exe_ = kReadOnlyProgram;
    }
    void TearDown() override {
        Settings::TearDown();
        RemovePerUserSettings();
    }
};

TEST_F(ReadOnlyProgramFolder, AnAddedFolderIsKeptInTheUsersOwnSettingsFile) {
    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    const int fixed = FixedCount();
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    EXPECT_EQ(ExitCode(), 0u);
    EXPECT_EQ(Read("MENU_000", PerUserFolder() + "\\ravlet.ini"), outbox);
    EXPECT_EQ(EntriesOf("D:\\readonly\\bare"), std::vector<std::string>{"ravlet.exe"});

    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    ASSERT_EQ(Destinations().size(), static_cast<size_t>(fixed + 1));
    EXPECT_EQ(Destinations()[fixed], outbox);
    EXPECT_EQ(SelectedDestination(), fixed);
}

TEST_F(ReadOnlyProgramFolder, WhenNeitherPlaceCanBeWrittenOneBoxSaysWhatWasNotSavedAndWhere) {
    // A file where the user's settings folder would go.
    ASSERT_TRUE(CloseHandle(CreateFileA(PerUserFolder().c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    ASSERT_NO_FATAL_FAILURE(AddDestination(Outbox()));
    SetForegroundWindow(Dialog());
    ASSERT_TRUE(PollUntil([&] { return GetForegroundWindow() == Dialog(); }));
    PressKey(VK_ESCAPE);

    const HWND box = PollUntil([&] { return FindDialog(program_->ProcessId(), "ravlet"); });
    ASSERT_TRUE(box) << "no box after a save that failed";
    SaveScreenshot(box, "settings-not-saved");
    EXPECT_EQ(WindowText(ChildWithClass(box, 0xFFFF, "Static")),
              "設定を保存できませんでした。\n追加した保存先と選んでいた保存先は記録されていません。"
              "\n\n保存しようとしたファイル:\n" +
                  PerUserFolder() + "\\ravlet.ini");
    PostClick(GetDlgItem(box, IDOK));
    ASSERT_TRUE(program_->WaitForExit(kDefaultTimeoutMs));
    EXPECT_EQ(ExitCode(), 0u);
}

// A NUL byte outside UTF-16 makes no settings file: the list starts without its folders,
// the file stays as it is, and the box at exit says why nothing was saved.
TEST_F(Settings, AFileHoldingANulByteIsLeftAloneAndTheBoxAtExitSaysWhy) {
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    const std::string held = "[COMBO_BOX]\r\nMENU_000=C:\\held\r\n" + std::string(1, '\0');
    {
        std::ofstream file(Ini(), std::ios::binary | std::ios::trunc);
        file << held;
    }
    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    EXPECT_EQ(FixedCount(), static_cast<int>(Destinations().size()));
    SetForegroundWindow(Dialog());
    ASSERT_TRUE(PollUntil([&] { return GetForegroundWindow() == Dialog(); }));
    PressKey(VK_ESCAPE);

    const HWND box = PollUntil([&] { return FindDialog(program_->ProcessId(), "ravlet"); });
    ASSERT_TRUE(box) << "no box for a settings file left alone";
    SaveScreenshot(box, "settings-file-not-text");
    EXPECT_EQ(WindowText(ChildWithClass(box, 0xFFFF, "Static")),
              "設定ファイルを文字として読めないため (NUL バイトを含むか、UTF-16 のファイルが途中で"
              "切れています)"
              "、読み込みも保存もしていません。\n追加した保存先と選んでいた保存先は記録されていませ"
              "ん。\n\n"
              "設定ファイル:\n" +
                  Ini());
    PostClick(GetDlgItem(box, IDOK));
    ASSERT_TRUE(program_->WaitForExit(kDefaultTimeoutMs));
    std::ifstream file(Ini(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), held);
}

// "é" has no counterpart in code page 932: a best-fit "e" would name another folder.
TEST_F(Settings, AProgramFolderTheCodePageCannotSpellKeepsNoSettingsAndSaysSoOnce) {
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    ASSERT_TRUE(DeleteFileA(Ini().c_str()));
    const std::wstring folder = L"C:\\e2e\\caf\u00E9";
    const std::string lookalike = "C:\\e2e\\cafe";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryA(lookalike.c_str(), nullptr);
    const std::wstring exe = folder + L"\\ravlet.exe";
    const std::string built = BuiltRavletExe();  // ASCII
    ASSERT_TRUE(CopyFileW(std::wstring(built.begin(), built.end()).c_str(), exe.c_str(), FALSE));

    program_ = std::make_unique<LaunchedProgram>(exe);
    dialog_ = PollUntil([&] { return FindDialog(program_->ProcessId(), kMainCaption); });
    ASSERT_TRUE(dialog_);
    MessageBoxView box = WaitForMessageBox(dialog_);
    ASSERT_TRUE(box.window) << "no word about the settings";
    SaveScreenshot(box.window, "settings-unavailable");
    EXPECT_EQ(box.caption, "ravlet");
    EXPECT_NE(box.text.find("ravlet.ini"), std::string::npos) << box.text;
    AnswerMessageBox(box, IDOK);

    // Shortcuts name the program by its folder's short form, which every code page
    // reads alike.
    wchar_t shortFolder[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW(folder.c_str(), shortFolder, MAX_PATH), 0u);
    const std::wstring wideShort = shortFolder;
    const std::string shortName(wideShort.begin(), wideShort.end());
    ASSERT_EQ(shortName.find('\xE9'), std::string::npos) << "no short form";
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    ASSERT_TRUE(PickIcon(picker, 2));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "a@example.jp"));
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("a@example.jp"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\a@example.jp さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:a@example.jp\r\nIconFile=" + shortName +
                  "\\ravlet.exe\r\nIconIndex=2\r\n");
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());

    EXPECT_EQ(GetFileAttributesW((folder + L"\\ravlet.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(EntriesOf(lookalike), std::vector<std::string>{});
    DeleteFileW(exe.c_str());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryA(lookalike.c_str());
}

}  // namespace
}  // namespace e2e
