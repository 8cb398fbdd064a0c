// A bitmap of the program's resources, freed with its owner.
#pragma once

#include <windows.h>

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { Free(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // False when the resource is missing; the bitmap is then empty.
    bool Load(int resourceId) {
        Free();
        bitmap_ = ::LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
        return bitmap_ != nullptr;
    }
    // The picture scaled from its 96-DPI size to dpi; at 96 DPI the same as Load.
    bool LoadForDpi(int resourceId, int dpi);
    HBITMAP GetSafeHandle() const { return bitmap_; }

private:
    void Free() {
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
            bitmap_ = nullptr;
        }
    }

    HBITMAP bitmap_ = nullptr;
};
