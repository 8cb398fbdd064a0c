// The display scale that programs started from now on see: Wine gives every program the
// DPI in HKCU\Control Panel\Desktop LogPixels (a DWORD; 144 is 150 %) when it starts.
#pragma once

#include <windows.h>

#include <optional>

namespace e2e {

// Sets LogPixels for its lifetime and puts back what was there before (or nothing).
class DisplayDpiSetting {
public:
    explicit DisplayDpiSetting(int dpi);
    DisplayDpiSetting(const DisplayDpiSetting&) = delete;
    DisplayDpiSetting& operator=(const DisplayDpiSetting&) = delete;
    ~DisplayDpiSetting();

    bool Applied() const { return applied_; }

private:
    std::optional<DWORD> previous_;
    bool applied_ = false;
};

// Makes the driver itself aware of each monitor's DPI, so that the rectangles it reads
// from the program's windows are the pixels on the screen, whatever DPI they have.
void ReadWindowsInScreenPixels();

}  // namespace e2e
