// The icon picker: a small dialog without a caption, owned by the main dialog, with one
// picture button per choice.
#pragma once

#include <windows.h>

namespace e2e {

HWND WaitForIconPicker(HWND owner);

// Opens the picker from the main dialog's ｱｲｺﾝ変更 and returns it, or null.
HWND OpenIconPicker(HWND mainDialog);

// Clicks the button of choice (0 the standard icon, 1 to 5 the envelopes) and waits for the picker
// to close.
bool PickIcon(HWND picker, int choice);

// The picture shown by the main dialog's preview, or null when it is empty.
HANDLE PreviewPicture(HWND mainDialog);

}  // namespace e2e
