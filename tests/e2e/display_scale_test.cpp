// The program at 100 to 200 % display scale: every label shows its whole text, the icon
// picker and its pictures grow with the DPI, and Create writes the same bytes. Each
// case starts the program with LogPixels set to its DPI and puts the setting back.
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "driver/button.h"
#include "driver/display_dpi.h"
#include "driver/icon_picker.h"
#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"
#include "driver/window_lookup.h"
#include "iconpick/icon_choices.h"
#include "tests/shared/window_rect.h"

namespace e2e {
namespace {

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

// The width a label's text takes in the dialogs' font at dpi, measured here with a
// font of our own: 9 points of "ＭＳ Ｐゴシック" (the prefix's stand-in for it).
int TextWidthAt(int dpi, const std::string& text, bool noPrefix) {
    HFONT font = CreateFontA(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH, "ＭＳ Ｐゴシック");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect{};
    DrawTextA(dc, text.c_str(), -1, &rect,
              DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | (noPrefix ? DT_NOPREFIX : 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return Width(rect);
}

// Checks that every text label of the dialog shows its text whole, inside the dialog,
// clear of the controls beside it; returns the widest text's "needed of given" pixels.
std::string ExpectLabelsWhole(HWND dialog, int dpi) {
    RECT client{};
    GetClientRect(dialog, &client);
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    int widestNeed = 0, widestGiven = 0, labels = 0;
    for (HWND label : children) {
        const LONG style = GetWindowLongA(label, GWL_STYLE);
        const std::string text = WindowText(label);
        if (WindowClass(label) != "Static" || (style & SS_TYPEMASK) != SS_LEFT || text.empty()) {
            continue;
        }
        ++labels;
        const RECT box = RectInClient(dialog, label);
        RECT inside{};
        GetClientRect(label, &inside);
        const int need = TextWidthAt(dpi, text, (style & SS_NOPREFIX) != 0);
        EXPECT_GE(Width(inside), need) << "\"" << text << "\" at " << dpi << " dpi";
        EXPECT_LE(box.right, client.right) << text;
        for (HWND other : children) {
            const RECT beside = RectInClient(dialog, other);
            const bool overlaps = other != label && beside.left < box.right &&
                                  beside.right > box.left && beside.top < box.bottom &&
                                  beside.bottom > box.top;
            EXPECT_FALSE(overlaps) << "\"" << text << "\" runs into control " << GetDlgCtrlID(other)
                                   << " at " << dpi << " dpi";
        }
        if (need > widestNeed) {
            widestNeed = need;
            widestGiven = Width(inside);
        }
    }
    EXPECT_GT(labels, 0);
    return std::to_string(widestNeed) + " of " + std::to_string(widestGiven) + " px";
}

struct Scale {
    int dpi;
    int pickerWidth, pickerHeight;  // the window
    int buttonWidth, buttonHeight;  // each picture button, and the preview
};

void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.dpi << " dpi";
}

// Starts the program with LogPixels at Dpi() and puts the setting back afterwards.
class StartedAtDpi : public RavletTest {
protected:
    virtual int Dpi() const = 0;

    void SetUp() override {
        ReadWindowsInScreenPixels();
        setting_ = std::make_unique<DisplayDpiSetting>(Dpi());
        ASSERT_TRUE(setting_->Applied()) << "cannot set LogPixels";
        RavletTest::SetUp();
    }
    void TearDown() override {
        RavletTest::TearDown();
        setting_.reset();
    }

    std::unique_ptr<DisplayDpiSetting> setting_;
};

class DisplayScale : public StartedAtDpi, public ::testing::WithParamInterface<Scale> {
protected:
    int Dpi() const override { return GetParam().dpi; }

    std::string Shot(const char* what) const {
        return std::string(what) + "-" + std::to_string(GetParam().dpi) + "dpi";
    }
};

TEST_P(DisplayScale, LabelsShowWholeAndThePickerGrowsWithTheDpi) {
    const Scale& scale = GetParam();
    const std::string mainWidest = ExpectLabelsWhole(Dialog(), scale.dpi);

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "taro@example.jp"));
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    RECT pick{}, main{};
    GetWindowRect(picker, &pick);
    GetWindowRect(Dialog(), &main);
    // At up to 150 % the whole window fits the screen of a 1366 x 768 laptop.
    if (scale.dpi <= 144) {
        EXPECT_LE(Height(main), 700);
    }
    EXPECT_EQ(Width(pick), scale.pickerWidth);
    EXPECT_EQ(Height(pick), scale.pickerHeight);
    EXPECT_NEAR((pick.left + pick.right) / 2, (main.left + main.right) / 2, 2);
    EXPECT_NEAR((pick.top + pick.bottom) / 2, (main.top + main.bottom) / 2, 2);
    for (int choice = 0; choice < 6; ++choice) {
        const RECT button = RectInClient(picker, GetDlgItem(picker, kIconChoices[choice].buttonId));
        EXPECT_EQ(button.left, 0) << choice;
        EXPECT_EQ(button.top, choice * scale.buttonHeight) << choice;
        EXPECT_EQ(Width(button), scale.buttonWidth) << choice;
        EXPECT_EQ(Height(button), scale.buttonHeight) << choice;
    }
    SaveScreenshot(picker, Shot("picker"));
    ASSERT_TRUE(PickIcon(picker, 3));
    const RECT preview = RectInClient(Dialog(), Control(IDC_ICON_PREVIEW));
    EXPECT_EQ(Width(preview), scale.buttonWidth) << "the preview shows the picture at its size";
    EXPECT_EQ(Height(preview), scale.buttonHeight);
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_CC, "jiro@example.jp"));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_BODY, "お疲れ様です。"));
    SaveScreenshot(Dialog(), Shot("main"));

    HWND about = OpenAboutBox();
    ASSERT_TRUE(about);
    const std::string aboutWidest = ExpectLabelsWhole(about, scale.dpi);
    SaveScreenshot(about, Shot("about"));
    Click(GetDlgItem(about, IDOK));
    EXPECT_TRUE(PollUntil([&] { return !IsWindow(about); }));

    std::printf(
        "at %d dpi: main %dx%d, picker %dx%d, buttons %dx%d, widest label %s (main), %s "
        "(About)\n",
        scale.dpi, Width(main), Height(main), Width(pick), Height(pick), scale.buttonWidth,
        scale.buttonHeight, mainWidest.c_str(), aboutWidest.c_str());
}

// 96 DPI is the layout of old: the picker's 37 x 113 pixels and 32 x 18 buttons.
INSTANTIATE_TEST_SUITE_P(Dpi, DisplayScale,
                         ::testing::Values(Scale{96, 37, 113, 32, 18}, Scale{120, 46, 141, 40, 23},
                                           Scale{144, 56, 170, 48, 27},
                                           Scale{192, 74, 226, 64, 36}),
                         [](const ::testing::TestParamInfo<Scale>& info) {
                             return std::to_string(info.param.dpi) + "dpi";
                         });

// A move to a monitor of another scale: the system tells the windows (WM_DPICHANGED);
// Wine never does, so the driver says it as the system would, without the suggested
// rectangle, which the program leaves to the system.
class DisplayScaleChange : public StartedAtDpi {
protected:
    int Dpi() const override { return 96; }
};

TEST_F(DisplayScaleChange, PickerAndPreviewFollowAMoveToA200PercentMonitor) {
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    PostMessageA(picker, WM_DPICHANGED, MAKEWPARAM(192, 192), 0);
    EXPECT_TRUE(PollUntil([&] {
        RECT pick{};
        GetWindowRect(picker, &pick);
        return Width(pick) == 74 && Height(pick) == 226;
    })) << "the picker keeps its 96-DPI size";
    const RECT cyan = RectInClient(picker, GetDlgItem(picker, kIconChoices[5].buttonId));
    EXPECT_EQ(cyan.top, 5 * 36);
    EXPECT_EQ(Width(cyan), 64);
    EXPECT_EQ(Height(cyan), 36);
    ASSERT_TRUE(PickIcon(picker, 4));

    HWND preview = GetDlgItem(Dialog(), IDC_ICON_PREVIEW);
    RECT before{};
    GetWindowRect(preview, &before);
    EXPECT_EQ(Width(before), 32);
    PostMessageA(Dialog(), WM_DPICHANGED, MAKEWPARAM(192, 192), 0);
    EXPECT_TRUE(PollUntil([&] {
        RECT after{};
        GetWindowRect(preview, &after);
        return Width(after) == 64 && Height(after) == 36;
    })) << "the preview keeps its 96-DPI picture";
}

using At150Percent = DisplayScale;

TEST_P(At150Percent, CreateWritesTheSameBytes) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    ASSERT_TRUE(PickIcon(picker, 2));
    ASSERT_NO_FATAL_FAILURE(FillIn("hanako@example.jp", "会議の件"));
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("hanako@example.jp"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\hanako@example.jp さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:hanako@example.jp?Subject=会議の件\r\n"
              "IconFile=" +
                  folder_ + "\\ravlet.exe\r\nIconIndex=2\r\n");
}

INSTANTIATE_TEST_SUITE_P(Dpi, At150Percent, ::testing::Values(Scale{144, 56, 170, 48, 27}),
                         [](const ::testing::TestParamInfo<Scale>&) { return "144dpi"; });

}  // namespace
}  // namespace e2e
