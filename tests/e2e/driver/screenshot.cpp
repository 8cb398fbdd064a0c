#include "driver/screenshot.h"

#include <vector>

#include "driver/png_file.h"
#include "driver/poll.h"
#include "driver/test_environment.h"

namespace e2e {

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // top row first
    bool operator==(const Picture& other) const {
        return width == other.width && height == other.height && rgb == other.rgb;
    }
    explicit operator bool() const { return width > 0; }
};

Picture CaptureScreenArea(const RECT& area) {
    Picture picture;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return picture;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        const bool copied =
            BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        SelectObject(memory, old);
        if (copied) {
            const size_t stride = ((static_cast<size_t>(width) * 3 + 3) / 4) * 4;  // DIB rows
            const auto* source = static_cast<const uint8_t*>(bits);
            picture.rgb.reserve(static_cast<size_t>(width) * height * 3);
            for (int y = 0; y < height; ++y) {
                const uint8_t* pixel = source + y * stride;
                for (int x = 0; x < width; ++x, pixel += 3) {
                    picture.rgb.insert(picture.rgb.end(), {pixel[2], pixel[1], pixel[0]});  // BGR
                }
            }
            picture.width = width;
            picture.height = height;
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::string& name) {
    RECT area = {};
    if (!GetWindowRect(window, &area)) {
        return false;
    }
    // The program paints when its queue is idle; repaint everything and take the
    // picture once two captures in a row agree.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Picture previous = CaptureScreenArea(area);
    const Picture settled = PollUntil(
        [&]() -> Picture {
            Picture next = CaptureScreenArea(area);
            const bool same = next == previous;
            previous = std::move(next);
            return same ? previous : Picture{};
        },
        3000);
    const Picture& shot = settled ? settled : previous;
    if (!shot) {
        return false;
    }
    CreateDirectoryA(ScreenshotFolder().c_str(), nullptr);
    return WritePng(ScreenshotFolder() + "\\" + name + ".png", shot.width, shot.height, shot.rgb);
}

}  // namespace e2e
