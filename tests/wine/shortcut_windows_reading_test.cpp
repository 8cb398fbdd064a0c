// Crafted shortcuts on which loose readers and Windows' profile functions disagree, opened
// by the open command from the real file, and the read-back of a new file against the
// real GetPrivateProfileStringW.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exact_ansi.h"
#include "framework/exact_ansi_spelling.h"
#include "framework/windows_system_code_page.h"
#include "opening/open_shortcut_command.h"
#include "opening/win32_handed_over_path.h"
#include "res/resource.h"
#include "shortcut/create_command.h"
#include "shortcut/shortcut_reader.h"
#include "shortcut/shortcut_writing.h"
#include "shortcut/win32_shortcut_file_reading.h"
#include "shortcut/win32_shortcut_store.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/native/shortcut_fakes.h"
#include "tests/wine/scratch_folder.h"

namespace {

// A file dropped on the dialog, opened by the open command with an empty list.
std::optional<ShortcutRewrite> OpenDropped(FakeForm& form, const std::string& path,
                                           const ExactAnsiSpelling& spelling,
                                           const WindowsSystemCodePage& system) {
    MemoryProfileSection settings;
    FakeDropDownList view;
    DestinationList destinations{view};
    destinations.Fill({}, settings);
    return RunOpenHandedOverCommand(
        form, destinations, 1, [&path] { return DescribeHandedOverPath(WideFromAnsi(path)); },
        spelling, &system);
}

// Each file either opens with what GetPrivateProfileStringW reads from it, or is refused
// with one box and the form left alone.
TEST(ShortcutWindowsReading, CraftedFilesOpenAsWindowsReadsThemOrNotAtAll) {
    ScratchFolder folder;
    ASSERT_TRUE(folder.created());
    const std::string s = "[InternetShortcut]\r\n";
    const std::string shellCopies =
        "[InternetShortcut.A]\r\nURL=mailto:a@b.jp?subject=??\r\n"
        "[InternetShortcut.W]\r\nURL=mailto:a@b.jp?subject=+ZeVnLA-\r\n";
    struct Case {
        const char* what;
        std::string file;
        unsigned refusal;     // 0: opened
        const char* subject;  // when opened
    };
    const Case cases[] = {
        {"a header without ]", "[InternetShortcut\r\nURL=mailto:a@b.jp\r\n", IDS_OPEN_NO_URL, ""},
        {"an .A header without ] inside the section",
         s + "URL=mailto:a@b.jp?subject=x\r\n[InternetShortcut.A\r\nURL=mailto:c@d.jp\r\n", 0, "x"},
        {"a second ]",
         "[InternetShortcut]]\r\nURL=mailto:evil@x.jp?subject=evil\r\n" + s +
             "URL=mailto:a@b.jp?subject=ok\r\n",
         0, "ok"},
        {"\\v before a key", s + "\vURL=mailto:a@b.jp?subject=v\r\n", 0, "v"},
        {"\\f before a key", s + "\f URL=mailto:a@b.jp?subject=f\r\n", 0, "f"},
        {"\\v before a .A header", s + "URL=mailto:a@b.jp?subject=??\r\n\v" + shellCopies, 0,
         "日本"},
        {"a NUL inside a value",
         s + "URL=mailto:a@b.jp?subject=x" + std::string(1, '\0') + "&cc=evil@x.jp\r\n",
         IDS_OPEN_UNREADABLE, ""},
        {"quotes around the .A copy",
         s + "URL=mailto:a@b.jp?subject=??\r\n[InternetShortcut.A]\r\n"
             "URL=\"mailto:a@b.jp?subject=??\"\r\n[InternetShortcut.W]\r\n"
             "URL=mailto:a@b.jp?subject=+ZeVnLA-\r\n",
         0, "日本"},
        {"an empty first .A/.W pair",
         s + "URL=mailto:a@b.jp?subject=??\r\n[InternetShortcut.A]\r\n[InternetShortcut.W]\r\n" +
             shellCopies,
         0, "??"},
        {"a CR alone ends a line",
         "[InternetShortcut]\rURL=mailto:a@b.jp?subject=cr\r[InternetShortcut.A]\rURL=x\r\n", 0,
         "cr"},
        {"a byte-order mark", "\xEF\xBB\xBF" + s + "URL=mailto:a@b.jp\r\n", IDS_OPEN_UNREADABLE,
         ""},
        {"a CR alone ends a key's line", s + "HotKey=1\rURL=mailto:a@b.jp?subject=hk\r\n", 0, "hk"},
    };
    const ExactAnsiSpelling spelling;
    const WindowsSystemCodePage system;
    int serial = 0;
    for (const Case& c : cases) {
        const std::string path = folder / ("crafted" + std::to_string(++serial) + ".url");
        ASSERT_TRUE(WriteFileBytes(path, c.file)) << c.what;
        Events events;
        FakeForm form{events};
        const auto opened = OpenDropped(form, path, spelling, system);
        if (c.refusal != 0) {
            EXPECT_FALSE(opened) << c.what;
            ASSERT_EQ(form.messages.size(), 1u) << c.what;
            EXPECT_EQ(form.messages[0].textId, c.refusal) << c.what;
            EXPECT_EQ(form.texts[FormControl::Address], "") << c.what;
            continue;
        }
        ASSERT_TRUE(opened) << c.what;
        EXPECT_TRUE(form.messages.empty()) << c.what;
        EXPECT_EQ(form.texts[FormControl::Subject], c.subject) << c.what;
        // What the program read is what Windows reads.
        const WindowsProfileReading windows = ReadAsWindowsDoes(WideFromAnsi(path));
        const auto lines = ReadShortcutLines(c.file, system);
        ASSERT_TRUE(lines) << c.what;
        EXPECT_TRUE(WindowsReadsTheSame(*lines, windows)) << c.what;
        EXPECT_EQ(windows.url.value_or(u"-").substr(0, 13), u"mailto:a@b.jp") << c.what;
    }
}

// Windows' answer is read whole, a missing key told from an empty one, and a value the
// code page cannot spell marks the reading.
TEST(ShortcutWindowsReading, ReadsLongValuesAndTellsMissingFromEmpty) {
    ScratchFolder folder;
    const std::string path = folder / "long.url";
    const std::string longUrl = "mailto:a@b.jp?body=" + std::string(5000, 'x');
    ASSERT_TRUE(WriteFileBytes(path, "[InternetShortcut]\r\nURL=" + longUrl +
                                         "\r\nIconFile=\r\nIconIndex\r\n[InternetShortcut.W]\r\n"
                                         "URL=\"\"\r\n"));
    const WindowsProfileReading windows = ReadAsWindowsDoes(WideFromAnsi(path));
    EXPECT_EQ(windows.url, std::u16string(longUrl.begin(), longUrl.end()));
    EXPECT_EQ(windows.iconFile, u"");
    EXPECT_EQ(windows.iconIndex, std::nullopt);
    EXPECT_EQ(windows.urlA, std::nullopt);
    EXPECT_EQ(windows.urlW, u"");

    // UTF-16 with its mark reads as Unicode: "€" has no counterpart in code page 932.
    const std::string wide = folder / "wide.url";
    const std::wstring text = L"\xFEFF[InternetShortcut]\r\nURL=mailto:a@b.jp?subject=\x20AC\r\n";
    ASSERT_TRUE(WriteFileBytes(
        wide, std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2)));
    EXPECT_EQ(ReadAsWindowsDoes(WideFromAnsi(wide)).url, u"mailto:a@b.jp?subject=\u20AC");
}

// What a shortcut of raw bytes opens as depends on the system's code page: raw Shift-JIS
// and both copies of a kanji the code page has twice (0xEEE0 and 0xFBFC, read as the one
// U+9AD9, which Wine spells back as 0xFBFC) open on a 932 system; on a 1252 one the first reads as
// U+201A U+00A0, which 932 cannot spell, and
// "\xD7" opens as the half-width katakana of 932 or as the 1252 "\x81\x7E".
TEST(ShortcutWindowsReading, RawBytesOpenAsTheSystemsCodePageReadsThem) {
    ScratchFolder folder;
    const ExactAnsiSpelling spelling;
    const WindowsSystemCodePage system;
    const bool shiftJis = system.ReadsShiftJis();
    struct Case {
        const char* subjectBytes;
        unsigned refusal;
        std::string subject;
    };
    const Case cases[] = {
        {"\x82\xA0", shiftJis ? 0u : unsigned{IDS_OPEN_SUBJECT_NOT_SPELLABLE}, "\x82\xA0"},
        {"\xEE\xE0", shiftJis ? 0u : unsigned{IDS_OPEN_SUBJECT_NOT_SPELLABLE},
         ExactAnsiText(L"\x9AD9").value_or("?")},
        {"\xFB\xFC", shiftJis ? 0u : unsigned{IDS_OPEN_SUBJECT_NOT_SPELLABLE},
         ExactAnsiText(L"\x9AD9").value_or("?")},
        {"\xD7", 0u, shiftJis ? "\xD7" : "\x81\x7E"},
    };
    int serial = 0;
    for (const Case& c : cases) {
        const std::string path = folder / ("raw" + std::to_string(++serial) + ".url");
        ASSERT_TRUE(WriteFileBytes(path, std::string("[InternetShortcut]\r\nURL=mailto:a@b.jp?"
                                                     "subject=") +
                                             c.subjectBytes + "\r\n"));
        Events events;
        FakeForm form{events};
        const auto opened = OpenDropped(form, path, spelling, system);
        EXPECT_EQ(opened.has_value(), c.refusal == 0) << c.subjectBytes;
        if (c.refusal != 0) {
            ASSERT_EQ(form.messages.size(), 1u) << c.subjectBytes;
            EXPECT_EQ(form.messages[0].textId, c.refusal) << c.subjectBytes;
        } else {
            EXPECT_EQ(form.texts[FormControl::Subject], c.subject) << c.subjectBytes;
        }
    }
}

// A file whose name passes MAX_PATH, given in the "\\?\" form, is read as Windows reads
// it: through its short name where the folders have one, else through a copy under the
// temporary folder, which is removed again.
TEST(ShortcutWindowsReading, ReadsAFileWhoseNamePassesMaxPath) {
    ScratchFolder folder;
    const auto temporaryCopies = [] {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((std::wstring(temp) + L"rvl*.tmp").c_str(), &found);
        int copies = 0;
        if (search != INVALID_HANDLE_VALUE) {
            do {
                ++copies;
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        return copies;
    };
    const int copiesBefore = temporaryCopies();
    // Long folder names have short ones; names of eight letters are their own.
    for (const std::string& step : {std::string(120, 'n'), std::string("abcdefgh")}) {
        std::wstring path = L"\\\\?\\" + WideFromAnsi(folder.path());
        std::vector<std::wstring> folders;
        while (path.size() < MAX_PATH + 10) {
            path += L"\\" + WideFromAnsi(step);
            ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
            folders.push_back(path);
        }
        path += L"\\a.url";
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const std::string bytes = "[InternetShortcut]\r\nURL=mailto:a@b.jp\r\n";
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        const WindowsProfileReading windows = ReadAsWindowsDoes(path);
        EXPECT_TRUE(windows.asked) << step.size();
        EXPECT_EQ(windows.url, u"mailto:a@b.jp") << step.size();
        DeleteFileW(path.c_str());
        for (auto deeper = folders.rbegin(); deeper != folders.rend(); ++deeper) {
            RemoveDirectoryW(deeper->c_str());
        }
    }
    EXPECT_EQ(temporaryCopies(), copiesBefore);
}

// The read-back made to fail on purpose: an icon path with a blank at its end, which
// every reader trims. Nothing is replaced, no new file is left, and the box says so.
TEST(ShortcutWindowsReading, ANewFileThatDoesNotReadBackReplacesNothing) {
    ScratchFolder folder;
    const std::string path = folder / "taro.url";
    const std::string old = "[InternetShortcut]\r\nURL=mailto:old@example.jp\r\nHotKey=1601\r\n";
    ASSERT_TRUE(WriteFileBytes(path, old));
    Events events;
    FakeForm form{events};
    form.texts[FormControl::Address] = "taro@example.jp";
    form.texts[FormControl::Name] = "taro";
    form.iconIndex = 2;
    form.answers = {message_box::kYes};
    Win32ShortcutStore store;
    RunCreateCommand(form, store, folder.path(), "C:\\ravlet\\ravlet.exe ");
    ASSERT_EQ(form.messages.size(), 2u);
    EXPECT_EQ(form.messages[1].textId, static_cast<unsigned>(IDS_READ_BACK_FAILED));
    EXPECT_EQ(form.messages[1].value, path);
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(EntriesIn(folder.path()), 1);
    EXPECT_EQ(form.texts[FormControl::Address], "taro@example.jp");

    // The same with a path that reads back: written.
    form.messages.clear();
    form.answers = {message_box::kYes};
    RunCreateCommand(form, store, folder.path(), "C:\\ravlet\\ravlet.exe");
    EXPECT_EQ(ReadWholeFile(path),
              "[InternetShortcut]\r\nURL=mailto:taro@example.jp\r\n"
              "IconFile=C:\\ravlet\\ravlet.exe\r\nIconIndex=2\r\n");
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

// A shortcut the program writes on a system of another code page names the program in
// that code page (here a folder with "\xE9"); it reads back as composed and opens again
// with its envelope, as the shell of that system reads it.
TEST(ShortcutWindowsReading, OwnShortcutWithTheIconPathOfTheSystemsCodePageOpensAgain) {
    const WindowsSystemCodePage system;
    const std::optional<std::string> iconFile = system.Spell(u"C:\\Jos\u00E9\\ravlet.exe");
    if (system.ReadsShiftJis() || !iconFile) {
        GTEST_SKIP() << "needs a system whose code page spells \\u00E9 (LC_ALL=C.UTF-8)";
    }
    ScratchFolder folder;
    const ExactAnsiSpelling spelling;
    Events events;
    FakeForm form{events};
    form.texts[FormControl::Address] = "taro@example.jp";
    form.texts[FormControl::Subject] = "週報";
    form.texts[FormControl::Name] = "taro";
    form.iconIndex = 4;
    Win32ShortcutStore store(&system);
    ShortcutWriting writing{&spelling, false, false};
    RunCreateCommand(form, store, folder.path(), *iconFile, nullptr, &writing);
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].textId, static_cast<unsigned>(IDS_SHORTCUT_CREATED));
    const std::string path = folder / "taro.url";
    EXPECT_EQ(ReadWholeFile(path),
              "[InternetShortcut]\r\nURL=mailto:taro@example.jp?Subject="
              "%E9%80%B1%E5%A0%B1\r\nIconFile=" +
                  *iconFile + "\r\nIconIndex=4\r\n");

    Events openEvents;
    FakeForm opened{openEvents};
    ASSERT_TRUE(OpenDropped(opened, path, spelling, system));
    EXPECT_TRUE(opened.messages.empty());
    EXPECT_EQ(opened.texts[FormControl::Subject], "週報");
    EXPECT_EQ(opened.iconIndex, 4);
}

}  // namespace
