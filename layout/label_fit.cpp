#include "layout/label_fit.h"

#include <algorithm>

int FittedLabelWidth(const PixelBox& label, int textWidth, int clientWidth,
                     const std::vector<PixelBox>& otherControls) {
    const int width = label.right - label.left;
    if (textWidth <= width) {
        return width;
    }
    int limit = clientWidth;
    for (const PixelBox& other : otherControls) {
        const bool sharesRows = other.top < label.bottom && other.bottom > label.top;
        // A control that already overlaps the label is no reason to stay short.
        if (sharesRows && other.left >= label.right) {
            limit = std::min(limit, other.left);
        }
    }
    const int right = std::min(label.left + textWidth, limit);
    return std::max(width, right - label.left);
}
