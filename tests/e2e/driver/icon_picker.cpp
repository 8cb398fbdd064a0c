#include "driver/icon_picker.h"

#include "driver/button.h"
#include "driver/poll.h"
#include "driver/window_lookup.h"

namespace e2e {
namespace {

constexpr int kChangeIconButton = 1008;
constexpr int kPreview = 1013;

HWND FindIconPicker(HWND owner) {
    for (HWND dialog : DialogsOwnedBy(owner)) {
        if (ChildWithClass(dialog, kPickerButtonOfChoice[0], "Button") &&
            ChildWithClass(dialog, kPickerButtonOfChoice[5], "Button")) {
            return dialog;
        }
    }
    return nullptr;
}

}  // namespace

HWND WaitForIconPicker(HWND owner) {
    return PollUntil([&] { return FindIconPicker(owner); });
}

HWND OpenIconPicker(HWND mainDialog) {
    PostClick(GetDlgItem(mainDialog, kChangeIconButton));
    return WaitForIconPicker(mainDialog);
}

bool PickIcon(HWND picker, int choice) {
    PostClick(GetDlgItem(picker, kPickerButtonOfChoice[choice]));
    return PollUntil([&] { return !IsWindow(picker); });
}

HANDLE PreviewPicture(HWND mainDialog) {
    return reinterpret_cast<HANDLE>(
        SendMessageA(GetDlgItem(mainDialog, kPreview), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

}  // namespace e2e
