#include "layout/dpi_scale.h"

#include <gtest/gtest.h>

#include "layout/icon_picker_layout.h"

namespace {

TEST(ScaleForDpi, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
    struct Case {
        int pixels;
        int dpi;
        int expected;
    };
    const Case cases[] = {
        {37, 96, 37},
        {113, 96, 113},
        {37, 144, 56},    // 55.5
        {113, 144, 170},  // 169.5
        {18, 144, 27},
        {18, 192, 36},
        {37, 192, 74},
        {18, 120, 23},    // 22.5
        {37, 120, 46},    // 46.25
        {113, 120, 141},  // 141.25
        {1, 144, 2},
        {1, 120, 1},
        {1, 168, 2},
        {0, 192, 0},
        {-37, 144, -56},  // offsets to the left or up round like sizes
        {32, 72, 24},     // below 100 %
        {32, 0, 32},
        {32, -1, 32},  // no DPI known: as designed
        {1000000, 192, 2000000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleForDpi(c.pixels, c.dpi), c.expected) << c.pixels << " px at " << c.dpi;
    }
}

TEST(ScaleForDpi, ScalingTo144ThenTo192MatchesScalingStraightTo192ForEvenSizes) {
    // A window that moves from a 150 % to a 200 % monitor is laid out again from the
    // 96-DPI sizes, not from the 144-DPI ones: the rounding of one step must not add up.
    for (int pixels = 0; pixels <= 200; pixels += 2) {
        EXPECT_EQ(ScaleForDpi(pixels, 192), 2 * pixels);
        EXPECT_EQ(ScaleForDpi(pixels, 144), pixels * 3 / 2);
    }
    EXPECT_EQ(ScaleForDpi(ScaleForDpi(37, 144), 192 * 96 / 144), 75) << "twice rounded";
    EXPECT_EQ(ScaleForDpi(37, 192), 74);
}

TEST(IconPickerLayoutForDpi, KeepsThe96DpiPixelsAndGrowsWithThePictures) {
    struct Case {
        int dpi;
        IconPickerLayout expected;
    };
    const Case cases[] = {
        {96, {37, 113, 32, 18}},
        {120, {46, 141, 40, 23}},
        {144, {56, 170, 48, 27}},
        {192, {74, 226, 64, 36}},
    };
    for (const Case& c : cases) {
        const IconPickerLayout layout = IconPickerLayoutForDpi(c.dpi);
        EXPECT_EQ(layout.windowWidth, c.expected.windowWidth) << c.dpi;
        EXPECT_EQ(layout.windowHeight, c.expected.windowHeight) << c.dpi;
        EXPECT_EQ(layout.buttonWidth, c.expected.buttonWidth) << c.dpi;
        EXPECT_EQ(layout.buttonHeight, c.expected.buttonHeight) << c.dpi;
        // Six buttons edge to edge, none hanging below the window.
        for (int row = 1; row < 6; ++row) {
            EXPECT_EQ(layout.ButtonTop(row), layout.ButtonTop(row - 1) + layout.buttonHeight);
        }
        EXPECT_EQ(layout.ButtonTop(0), 0);
        EXPECT_LE(layout.ButtonTop(5) + layout.buttonHeight, layout.windowHeight) << c.dpi;
        EXPECT_LE(layout.buttonWidth, layout.windowWidth) << c.dpi;
    }
    EXPECT_EQ(IconPickerLayoutForDpi(96).ButtonTop(5), 90);
}

}  // namespace
