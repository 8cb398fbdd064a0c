#include "driver/icon_picker.h"

#include "driver/button.h"
#include "driver/poll.h"
#include "driver/window_lookup.h"
#include "iconpick/icon_choices.h"

namespace e2e {
namespace {

HWND FindIconPicker(HWND owner) {
    for (HWND dialog : DialogsOwnedBy(owner)) {
        if (ChildWithClass(dialog, kIconChoices[0].buttonId, "Button") &&
            ChildWithClass(dialog, kIconChoices[5].buttonId, "Button")) {
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
    PostClick(GetDlgItem(mainDialog, IDC_CHANGE_ICON));
    return WaitForIconPicker(mainDialog);
}

bool PickIcon(HWND picker, int choice) {
    PostClick(GetDlgItem(picker, kIconChoices[choice].buttonId));
    return PollUntil([&] { return !IsWindow(picker); });
}

HANDLE PreviewPicture(HWND mainDialog) {
    return reinterpret_cast<HANDLE>(
        SendMessageA(GetDlgItem(mainDialog, IDC_ICON_PREVIEW), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

}  // namespace e2e
