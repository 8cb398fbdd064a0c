#include "framework/gdi_bitmap.h"

#include "layout/dpi_scale.h"

namespace {

// Pixel by pixel, without blending: the pictures keep their hard edges and their 16
// colours at every size.
HBITMAP StretchedCopy(HBITMAP source, int fromWidth, int fromHeight, int width, int height) {
    const HDC screen = GetDC(nullptr);
    const HDC from = CreateCompatibleDC(screen);
    const HDC to = CreateCompatibleDC(screen);
    HBITMAP copy = from && to ? CreateCompatibleBitmap(screen, width, height) : nullptr;
    if (copy) {
        const HGDIOBJ oldFrom = SelectObject(from, source);
        const HGDIOBJ oldTo = SelectObject(to, copy);
        SetStretchBltMode(to, COLORONCOLOR);
        const bool drawn = StretchBlt(to, 0, 0, width, height, from, 0, 0, fromWidth, fromHeight,
                                      SRCCOPY) != FALSE;
        SelectObject(to, oldTo);
        SelectObject(from, oldFrom);
        if (!drawn) {
            DeleteObject(copy);
            copy = nullptr;
        }
    }
    if (to) {
        DeleteDC(to);
    }
    if (from) {
        DeleteDC(from);
    }
    ReleaseDC(nullptr, screen);
    return copy;
}

}  // namespace

bool CBitmap::LoadForDpi(int resourceId, int dpi) {
    if (!Load(resourceId)) {
        return false;
    }
    BITMAP size{};
    GetObjectA(bitmap_, sizeof size, &size);
    const int width = ScaleForDpi(size.bmWidth, dpi);
    const int height = ScaleForDpi(size.bmHeight, dpi);
    if (width == size.bmWidth && height == size.bmHeight) {
        return true;
    }
    // Without memory for the larger copy the picture keeps its own size.
    if (const HBITMAP scaled = StretchedCopy(bitmap_, size.bmWidth, size.bmHeight, width, height)) {
        Free();
        bitmap_ = scaled;
    }
    return true;
}
