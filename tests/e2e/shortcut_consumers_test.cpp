// The shortcuts work for the programs that consume them: the shell's own Internet
// shortcut object reads the URL and the icon, opening the shortcut hands the URL to
// the mailto handler, and the icon it names comes out of the executable.
#include <objbase.h>
#include <shellapi.h>

#include <vector>

#include "driver/icon_picker.h"
#include "driver/internet_shortcut.h"
#include "driver/mailto_handler.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/test_environment.h"

namespace e2e {
namespace {

class ShortcutConsumers : public RavletTest {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        RavletTest::SetUp();
    }
    void TearDown() override {
        RavletTest::TearDown();
        CoUninitialize();
    }

    // Makes a shortcut through the dialog; path is where it lies.
    void MakeShortcut(const std::string& address, const std::string& subject, int icon,
                      std::string& path) {
        const std::string outbox = Outbox();
        ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
        ASSERT_NO_FATAL_FAILURE(FillIn(address, subject));
        if (icon) {
            HWND picker = OpenIconPicker(Dialog());
            ASSERT_TRUE(picker && PickIcon(picker, icon));
        }
        const std::string name = Text(IDC_NAME);
        ASSERT_NO_FATAL_FAILURE(CreateSuccessfully(address));
        path = outbox + "\\" + name + ".url";
    }
};

// The 32 x 32 picture of an icon as drawn on white, one COLORREF per pixel.
std::vector<COLORREF> Pixels(HICON icon) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, 32, 32};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(memory, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            pixels.push_back(GetPixel(memory, x, y));
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(ShortcutConsumers, TheShellReadsTheUrlAndTheIcon) {
    std::string path;
    ASSERT_NO_FATAL_FAILURE(MakeShortcut("reader@example.com", "予定 & 件名", 3, path));
    const auto view = LoadThroughShell(path);
    ASSERT_TRUE(view) << "the shell's Internet shortcut object cannot load " << path;
    EXPECT_EQ(view->url, "mailto:reader@example.com?Subject=予定 & 件名");
    EXPECT_EQ(view->iconFile, exe_);
    EXPECT_EQ(view->iconIndex, 3);
}

TEST_F(ShortcutConsumers, OpeningTheShortcutHandsTheUrlToTheMailProgram) {
    const std::string recorder = folder_ + "\\rec.exe";
    ASSERT_TRUE(CopyFileA((DriverFolder() + "\\rec.exe").c_str(), recorder.c_str(), FALSE));
    MailtoHandler handler(recorder);
    ASSERT_TRUE(handler.Registered());
    std::string path;
    ASSERT_NO_FATAL_FAILURE(MakeShortcut("opened@example.com", "hello", 0, path));

    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    ASSERT_GT(result, 32) << "ShellExecute failed with " << result;
    const std::string received = folder_ + "\\received-url.txt";
    EXPECT_TRUE(PollUntil([&] { return PathExists(received); }))
        << "the mailto handler was not started";
    EXPECT_EQ(ReadFileBytes(received).value_or("(nothing)"),
              "mailto:opened@example.com?Subject=hello");
}

TEST_F(ShortcutConsumers, TheNamedIconIsTheBlueEnvelopeOfTheExecutable) {
    std::string path;
    ASSERT_NO_FATAL_FAILURE(MakeShortcut("icon@example.com", "", 3, path));
    const auto view = LoadThroughShell(path);
    ASSERT_TRUE(view);
    HICON named = nullptr;
    ASSERT_EQ(ExtractIconExA(view->iconFile.c_str(), view->iconIndex, &named, nullptr, 1), 1u)
        << "no icon " << view->iconIndex << " in " << view->iconFile;
    const auto pixels = Pixels(named);
    DestroyIcon(named);
    EXPECT_EQ(pixels[16 * 32 + 4], RGB(0, 0, 255)) << "the envelope at (4, 16) is not blue";

    // It is the blue envelope's icon group, not merely some blue picture.
    HMODULE module = LoadLibraryExA(view->iconFile.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module);
    HICON group = static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(IDI_ENVELOPE_BLUE), IMAGE_ICON, 32, 32, 0));
    ASSERT_TRUE(group);
    EXPECT_EQ(Pixels(group), pixels);
    DestroyIcon(group);
    FreeLibrary(module);
}

}  // namespace
}  // namespace e2e
