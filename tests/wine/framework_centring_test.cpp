// A modal dialog whose template is hidden is centred over its owner unless it moved or
// showed itself while it initialised.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "framework_scripted_dialog.h"

namespace {

class OwnerWindow {
public:
    OwnerWindow(int x, int y, int width, int height)
        : hwnd_(CreateWindowExA(0, "STATIC", "ravlet test owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                x, y, width, height, nullptr, nullptr, nullptr, nullptr)) {}
    ~OwnerWindow() { DestroyWindow(hwnd_); }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

POINT Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Where the dialog stands once it runs.
RECT RunAndMeasure(HWND owner, std::function<void(ScriptedDialog&)> onInit) {
    ScriptedDialog dialog(owner);
    dialog.onInit = std::move(onInit);
    RECT placed{};
    dialog.script = [&](ScriptedDialog& self) { placed = WindowRect(self.GetSafeHwnd()); };
    dialog.DoModal();
    return placed;
}

TEST(Centring, HiddenTemplateLandsCentredOverItsOwner) {
    const OwnerWindow owner(300, 200, 420, 320);
    const POINT ownerCentre = Centre(WindowRect(owner.hwnd()));
    const POINT dialogCentre = Centre(RunAndMeasure(owner.hwnd(), nullptr));
    EXPECT_LE(std::abs(dialogCentre.x - ownerCentre.x), 1);
    EXPECT_LE(std::abs(dialogCentre.y - ownerCentre.y), 1);
}

TEST(Centring, ResizedInInitialisationStillCentresWithItsNewSize) {
    const OwnerWindow owner(300, 200, 420, 320);
    const POINT ownerCentre = Centre(WindowRect(owner.hwnd()));
    const RECT placed = RunAndMeasure(owner.hwnd(), [](ScriptedDialog& self) {
        const RECT rect = WindowRect(self.GetSafeHwnd());
        MoveWindow(self.GetSafeHwnd(), rect.left, rect.top, 37, 113, TRUE);
    });
    EXPECT_EQ(placed.right - placed.left, 37);
    EXPECT_EQ(placed.bottom - placed.top, 113);
    EXPECT_LE(std::abs(Centre(placed).x - ownerCentre.x), 1);
    EXPECT_LE(std::abs(Centre(placed).y - ownerCentre.y), 1);
}

TEST(Centring, WithoutOwnerCentresOnTheWorkArea) {
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const POINT dialogCentre = Centre(RunAndMeasure(nullptr, nullptr));
    EXPECT_LE(std::abs(dialogCentre.x - Centre(workArea).x), 1);
    EXPECT_LE(std::abs(dialogCentre.y - Centre(workArea).y), 1);
}

TEST(Centring, LeavesADialogThatMovedOrShowedItselfWhereItIs) {
    const OwnerWindow owner(300, 200, 420, 320);
    const RECT moved = RunAndMeasure(owner.hwnd(), [](ScriptedDialog& self) {
        SetWindowPos(self.GetSafeHwnd(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    });
    EXPECT_EQ(moved.left, 40);
    EXPECT_EQ(moved.top, 50);

    RECT before{};
    const RECT shown = RunAndMeasure(owner.hwnd(), [&](ScriptedDialog& self) {
        before = WindowRect(self.GetSafeHwnd());
        ShowWindow(self.GetSafeHwnd(), SW_SHOW);
    });
    EXPECT_EQ(shown.left, before.left);
    EXPECT_EQ(shown.top, before.top);
}

}  // namespace
