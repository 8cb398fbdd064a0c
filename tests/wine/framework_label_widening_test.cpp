// At start, every dialog of ours widens the one-line labels that are narrower than their
// text, within the dialog and up to the controls beside them.
#include <gtest/gtest.h>

#include <string>

#include "framework_scripted_dialog.h"
#include "tests/shared/window_rect.h"

namespace {

RECT TemplateRect(HWND dialog, int x, int y, int width, int height) {
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(dialog, &rect);
    return rect;
}

// How many lines the static draws its text in: its own way of drawing, with word breaks.
int LinesDrawn(HWND label) {
    char text[256] = {};
    GetWindowTextA(label, text, sizeof text);
    RECT client{};
    GetClientRect(label, &client);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
    if (GetWindowLongA(label, GWL_STYLE) & SS_NOPREFIX) {
        format |= DT_NOPREFIX;
    }
    DrawTextA(dc, text, -1, &client, format);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return (client.bottom - client.top) / metrics.tmHeight;
}

struct Measured {
    RECT client{};
    RECT narrow{}, besideButton{}, button{}, wide{}, atEdge{}, twoLines{}, centred{}, noPrefix{};
    int narrowLines = 0, noPrefixLines = 0;
    // The template's own sizes, in pixels.
    RECT wideTemplate{}, twoLinesTemplate{}, centredTemplate{}, narrowTemplate{};
};

Measured RunLabelDialog() {
    Measured m;
    ScriptedDialog dialog(nullptr, IDD_TEST_LABELS);
    dialog.script = [&](ScriptedDialog& self) {
        const HWND hwnd = self.GetSafeHwnd();
        GetClientRect(hwnd, &m.client);
        m.narrow = RectInClient(hwnd, self.Item(IDC_LABEL_NARROW));
        m.besideButton = RectInClient(hwnd, self.Item(IDC_LABEL_BESIDE_BUTTON));
        m.button = RectInClient(hwnd, self.Item(IDC_TEST_BUTTON));
        m.wide = RectInClient(hwnd, self.Item(IDC_LABEL_WIDE));
        m.atEdge = RectInClient(hwnd, self.Item(IDC_LABEL_AT_EDGE));
        m.twoLines = RectInClient(hwnd, self.Item(IDC_LABEL_TWO_LINES));
        m.centred = RectInClient(hwnd, self.Item(IDC_LABEL_CENTRED));
        m.noPrefix = RectInClient(hwnd, self.Item(IDC_LABEL_NO_PREFIX));
        m.narrowLines = LinesDrawn(self.Item(IDC_LABEL_NARROW));
        m.noPrefixLines = LinesDrawn(self.Item(IDC_LABEL_NO_PREFIX));
        m.narrowTemplate = TemplateRect(hwnd, 4, 4, 30, 8);
        m.wideTemplate = TemplateRect(hwnd, 4, 30, 150, 8);
        m.twoLinesTemplate = TemplateRect(hwnd, 4, 54, 40, 16);
        m.centredTemplate = TemplateRect(hwnd, 4, 74, 40, 8);
    };
    EXPECT_EQ(dialog.DoModal(), ScriptedDialog::kScriptDone);
    return m;
}

TEST(LabelWidening, NarrowLabelGrowsToShowItsTextOnOneLine) {
    const Measured m = RunLabelDialog();
    EXPECT_EQ(m.narrow.left, m.narrowTemplate.left);
    EXPECT_EQ(m.narrow.top, m.narrowTemplate.top);
    EXPECT_EQ(m.narrow.bottom, m.narrowTemplate.bottom) << "only the width changes";
    EXPECT_GT(m.narrow.right, m.narrowTemplate.right);
    EXPECT_EQ(m.narrowLines, 1);
    // Measured without prefix processing: "&&" is two characters wide.
    EXPECT_EQ(m.noPrefixLines, 1);
}

TEST(LabelWidening, StopsAtTheButtonBesideItAndAtTheDialogsEdge) {
    const Measured m = RunLabelDialog();
    EXPECT_EQ(m.besideButton.right, m.button.left);
    EXPECT_EQ(m.atEdge.right, m.client.right);
}

TEST(LabelWidening, LeavesWideWrappingAndCentredLabelsAsTheyAre) {
    const Measured m = RunLabelDialog();
    EXPECT_EQ(m.wide.right, m.wideTemplate.right) << "never narrower than the template";
    EXPECT_EQ(m.twoLines.right, m.twoLinesTemplate.right);
    EXPECT_EQ(m.centred.right, m.centredTemplate.right);
}

}  // namespace
