// The shortcuts work for the programs that consume them: the shell's own Internet
// shortcut object reads the URL and the icon, opening the shortcut hands the URL to
// the mailto handler, and the icon it names comes out of the executable.
#include <objbase.h>
#include <shellapi.h>

#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "driver/icon_picker.h"
#include "driver/internet_shortcut.h"
#include "driver/keyboard.h"
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

    // Puts the stand-in mail program in place of the mailto handler while the test runs.
    void RegisterRecorder() {
        const std::string recorder = folder_ + "\\rec.exe";
        ASSERT_TRUE(CopyFileA((DriverFolder() + "\\rec.exe").c_str(), recorder.c_str(), FALSE));
        handler_ = std::make_unique<MailtoHandler>(recorder);
        ASSERT_TRUE(handler_->Registered());
    }

    // Opens the shortcut through the shell and returns what the stand-in mail program
    // received, one argument a line.
    std::string OpenAndReceive(const std::string& path) {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        EXPECT_GT(result, 32) << "ShellExecute failed with " << result;
        const std::string received = folder_ + "\\received-url.txt";
        // Polled until it can be read: a file that has just appeared may still be held
        // for a moment by the handler that wrote it.
        std::optional<std::string> url;
        EXPECT_TRUE(PollUntil([&] {
            url = ReadFileBytes(received);
            return url.has_value();
        })) << "the mailto handler was not started";
        return url.value_or("(nothing)");
    }

    std::unique_ptr<MailtoHandler> handler_;

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
    EXPECT_EQ(view->url, "mailto:reader@example.com?Subject=予定%20%26%20件名");
    EXPECT_EQ(view->iconFile, exe_);
    EXPECT_EQ(view->iconIndex, 3);
}

TEST_F(ShortcutConsumers, OpeningTheShortcutHandsTheUrlToTheMailProgram) {
    ASSERT_NO_FATAL_FAILURE(RegisterRecorder());
    std::string path;
    ASSERT_NO_FATAL_FAILURE(MakeShortcut("opened@example.com", "hello", 0, path));
    EXPECT_EQ(OpenAndReceive(path), "mailto:opened@example.com?Subject=hello");
}

// Whatever the user types reaches the mail program whole, in one argument.
TEST_F(ShortcutConsumers, EveryFieldReachesTheMailProgramAsTyped) {
    ASSERT_NO_FATAL_FAILURE(RegisterRecorder());
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    const std::string address = "taro.yamada+news@example.jp";
    const std::string subject = "Q&A #2 \"至急\" 50%OFF C++ 勉強会";
    // Recipients as people paste them: a display name in quotes, an address in <>.
    const std::string cc = "\"Hanako\" <hanako@example.jp>, jiro@example.jp";
    const std::string bcc = "boss+50%@example.jp";
    ASSERT_NO_FATAL_FAILURE(FillIn(address, subject));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_CC, cc));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_BCC, bcc));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_BODY, "お疲れ様です。"));
    // Enter in the body starts a new line; it does not run Create.
    PressKey(VK_RETURN);
    TypeKeys("表ソ 100% & <more> ?=#");
    const std::string body = "お疲れ様です。\r\n表ソ 100% & <more> ?=#";
    EXPECT_TRUE(PollUntil([&] { return Text(IDC_BODY) == body; })) << Text(IDC_BODY);
    EXPECT_TRUE(HasNoMessageBox(Dialog()));
    const std::string name = Text(IDC_NAME);
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully(address));

    const std::string received = OpenAndReceive(outbox + "\\" + name + ".url");
    std::cout << "received: " << received << "\n";
    EXPECT_EQ(received.find('\n'), std::string::npos) << "more than one argument: " << received;
    const std::map<std::string, std::string> expected = {
        {"to", address}, {"Subject", subject}, {"cc", cc}, {"bcc", bcc}, {"body", body}};
    EXPECT_EQ(ReadAsMailProgram(received), expected);
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
