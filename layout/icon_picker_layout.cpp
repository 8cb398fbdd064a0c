#include "layout/icon_picker_layout.h"

#include "layout/dpi_scale.h"

namespace {

// At 96 DPI.
constexpr int kButtonWidth = 32;
constexpr int kButtonHeight = 18;
constexpr int kWindowWidth = 37;
constexpr int kWindowHeight = 113;

}  // namespace

IconPickerLayout IconPickerLayoutForDpi(int dpi) {
    return {ScaleForDpi(kWindowWidth, dpi), ScaleForDpi(kWindowHeight, dpi),
            ScaleForDpi(kButtonWidth, dpi), ScaleForDpi(kButtonHeight, dpi)};
}
