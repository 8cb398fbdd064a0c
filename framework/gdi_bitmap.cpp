#include "framework/gdi_bitmap.h"

#include "layout/dpi_scale.h"

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
    // The system stretches it pixel by pixel, which keeps the pictures' hard edges.
    const auto scaled = static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, width, height, 0));
    if (scaled != nullptr) {  // otherwise the picture stays at its own size
        Free();
        bitmap_ = scaled;
    }
    return true;
}
