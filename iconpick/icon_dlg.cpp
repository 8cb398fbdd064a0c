#include "iconpick/icon_dlg.h"

#include "iconpick/icon_choices.h"

namespace {

// The order the buttons are bound in: the standard icon, then the envelopes from the
// bottom up.
constexpr int kBindOrder[kIconChoiceCount] = {0, 5, 4, 3, 2, 1};

// The template's dialog units give way to pixels that fit the 32 x 18 pictures.
constexpr int kButtonWidth = 32;
constexpr int kButtonHeight = 18;
constexpr int kPickerWidth = 37;
constexpr int kPickerHeight = 113;

}  // namespace

const MessageMapEntry<CIconDlg> CIconDlg::kMessageMap[] = {
    OnCommand(BN_CLICKED, kIconChoices[0].buttonId, &CIconDlg::OnStandard),
    OnCommand(BN_CLICKED, kIconChoices[1].buttonId, &CIconDlg::OnWhite),
    OnCommand(BN_CLICKED, kIconChoices[2].buttonId, &CIconDlg::OnRed),
    OnCommand(BN_CLICKED, kIconChoices[3].buttonId, &CIconDlg::OnBlue),
    OnCommand(BN_CLICKED, kIconChoices[4].buttonId, &CIconDlg::OnGreen),
    OnCommand(BN_CLICKED, kIconChoices[5].buttonId, &CIconDlg::OnCyan),
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
    // The envelopes first, then the standard icon's picture.
    for (const int choice : {1, 2, 3, 4, 5, 0}) {
        CBitmap& picture = pictures[static_cast<size_t>(choice)];
        picture.Load(kIconChoices[choice].bitmapId);
        ButtonOf(choice).SetBitmap(picture.GetSafeHandle());
    }
    for (int choice = 0; choice < kIconChoiceCount; ++choice) {
        ButtonOf(choice).MoveWindow(0, choice * kButtonHeight, kButtonWidth, kButtonHeight);
    }
    RECT window{};
    GetWindowRect(GetSafeHwnd(), &window);
    MoveWindow(GetSafeHwnd(), window.left, window.top, kPickerWidth, kPickerHeight, TRUE);

    if (selection >= 0 && selection < kIconChoiceCount) {
        // Enter takes the current choice.
        CButton& current = ButtonOf(selection);
        current.SetFocus();
        current.SetButtonStyle(BS_DEFPUSHBUTTON);
    }
    return FALSE;  // the focus is set
}

void CIconDlg::Choose(int choice) {
    selection = choice;
    OnOK();
}
