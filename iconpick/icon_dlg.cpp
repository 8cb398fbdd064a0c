#include "iconpick/icon_dlg.h"

#include "framework/window_dpi.h"
#include "iconpick/icon_choices.h"
#include "layout/icon_picker_layout.h"

namespace {

// The order the buttons are bound in: the standard icon, then the envelopes from the
// bottom up.
constexpr int kBindOrder[kIconChoiceCount] = {0, 5, 4, 3, 2, 1};

}  // namespace

const MessageMapEntry<CIconDlg> CIconDlg::kMessageMap[] = {
    OnCommand(BN_CLICKED, kIconChoices[0].buttonId, &CIconDlg::OnStandard),
    OnCommand(BN_CLICKED, kIconChoices[1].buttonId, &CIconDlg::OnWhite),
    OnCommand(BN_CLICKED, kIconChoices[2].buttonId, &CIconDlg::OnRed),
    OnCommand(BN_CLICKED, kIconChoices[3].buttonId, &CIconDlg::OnBlue),
    OnCommand(BN_CLICKED, kIconChoices[4].buttonId, &CIconDlg::OnGreen),
    OnCommand(BN_CLICKED, kIconChoices[5].buttonId, &CIconDlg::OnCyan),
    OnMessage(kDpiLayoutChanged, &CIconDlg::OnDpiLayoutChanged),
};

MessageResult CIconDlg::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteThroughMap(*this, kMessageMap, message, wParam, lParam);
}

void CIconDlg::DoDataExchange() {
    for (const int choice : kBindOrder) {
        Bind(kIconChoices[choice].buttonId, ButtonOf(choice));
    }
}

BOOL CIconDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    LayOut(WindowDpi(GetSafeHwnd()));

    if (selection >= 0 && selection < kIconChoiceCount) {
        // Enter takes the current choice.
        CButton& current = ButtonOf(selection);
        current.SetFocus();
        current.SetButtonStyle(BS_DEFPUSHBUTTON);
    }
    return FALSE;  // the focus is set
}

// The template's dialog units give way to pixels that fit the pictures: 32 x 18 at
// 96 DPI, scaled with the picker's DPI.
void CIconDlg::LayOut(int dpi) {
    // The envelopes first, then the standard icon's picture.
    for (const int choice : {1, 2, 3, 4, 5, 0}) {
        CBitmap& picture = pictures[static_cast<size_t>(choice)];
        CButton& button = ButtonOf(choice);
        button.SetBitmap(nullptr);  // lets go of a picture of the old DPI before it is freed
        picture.LoadForDpi(kIconChoices[choice].bitmapId, dpi);
        button.SetBitmap(picture.GetSafeHandle());
    }
    const IconPickerLayout layout = IconPickerLayoutForDpi(dpi);
    for (int choice = 0; choice < kIconChoiceCount; ++choice) {
        ButtonOf(choice).MoveWindow(0, layout.ButtonTop(choice), layout.buttonWidth,
                                    layout.buttonHeight);
    }
    RECT window{};
    GetWindowRect(GetSafeHwnd(), &window);
    MoveWindow(GetSafeHwnd(), window.left, window.top, layout.windowWidth, layout.windowHeight,
               TRUE);
}

MessageResult CIconDlg::OnDpiLayoutChanged(WPARAM dpi, LPARAM) {
    LayOut(static_cast<int>(dpi));
    return 0;
}

void CIconDlg::Choose(int choice) {
    selection = choice;
    OnOK();
}
