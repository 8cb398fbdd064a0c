#include "layout/label_fit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FittedLabelWidth, GrowsToItsTextWithinTheDialogAndBeforeItsNeighbours) {
    // The name prompt of the main dialog at 96 DPI: 6, 81, 103 x 8 dialog units.
    const PixelBox label{9, 132, 189, 145};
    const PixelBox editBelow{26, 151, 236, 174};
    const PixelBox buttonRight{250, 128, 320, 150};
    const PixelBox buttonAbove{200, 100, 260, 132};  // ends where the label begins
    const PixelBox overlapping{150, 130, 170, 140};  // already inside the label
    const PixelBox touching{189, 128, 250, 150};     // begins where the label ends
    struct Case {
        const char* what;
        int textWidth;
        int clientWidth;
        std::vector<PixelBox> others;
        int expected;
    };
    const Case cases[] = {
        {"text fits: unchanged", 150, 430, {}, 180},
        {"text fits exactly: unchanged", 180, 430, {}, 180},
        {"one pixel short: one pixel more", 181, 430, {}, 181},
        {"never narrower than the template", 40, 430, {}, 180},
        {"controls above and below do not limit", 300, 430, {editBelow, buttonAbove}, 300},
        {"a control on the same rows does", 300, 430, {buttonRight}, 241},
        {"one that overlaps already does not", 300, 430, {overlapping}, 300},
        {"one that touches the label's right edge does", 300, 430, {touching}, 180},
        {"the dialog's edge does", 500, 430, {}, 421},
        {"the nearer of edge and control", 500, 240, {buttonRight}, 231},
        {"a limit inside the label never shrinks it", 300, 150, {}, 180},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FittedLabelWidth(label, c.textWidth, c.clientWidth, c.others), c.expected)
            << c.what;
    }
}

TEST(FittedLabelWidth, ControlTouchingTheLabelRowsOnlyAtAnEdgeDoesNotLimit) {
    const PixelBox label{10, 20, 110, 35};
    const PixelBox endsAtTop{120, 5, 200, 20};
    const PixelBox startsAtBottom{120, 35, 200, 50};
    const PixelBox sharesLastRow{120, 34, 200, 50};
    EXPECT_EQ(FittedLabelWidth(label, 150, 400, {endsAtTop, startsAtBottom}), 150);
    EXPECT_EQ(FittedLabelWidth(label, 150, 400, {sharesLastRow}), 110);
}

}  // namespace
