// The device context of one WM_PAINT, ended with its owner.
#pragma once

#include <windows.h>

class CPaintDC {
public:
    explicit CPaintDC(HWND hwnd) : hwnd_(hwnd) { hdc_ = BeginPaint(hwnd_, &paint_); }
    ~CPaintDC() { EndPaint(hwnd_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return hdc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC hdc_;
};
