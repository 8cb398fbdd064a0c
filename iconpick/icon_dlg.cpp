#include "iconpick/icon_dlg.h"

#include "res/resource.h"

namespace {

struct ChoiceLook {
    int buttonId;
    int bitmapId;
};

// Index = choice; the buttons stand in this order from the top.
constexpr ChoiceLook kChoices[] = {
    {IDC_PICK_STANDARD, IDB_STANDARD},    {IDC_PICK_WHITE, IDB_ENVELOPE_WHITE},
    {IDC_PICK_RED, IDB_ENVELOPE_RED},     {IDC_PICK_BLUE, IDB_ENVELOPE_BLUE},
    {IDC_PICK_GREEN, IDB_ENVELOPE_GREEN}, {IDC_PICK_CYAN, IDB_ENVELOPE_CYAN},
};
constexpr int kChoiceCount = 6;

// The order the buttons are bound in: the standard icon, then the envelopes from the
// bottom up.
constexpr int kBindOrder[kChoiceCount] = {IDC_PICK_STANDARD, IDC_PICK_CYAN, IDC_PICK_GREEN,
                                          IDC_PICK_BLUE,     IDC_PICK_RED,  IDC_PICK_WHITE};

// The template's dialog units give way to pixels that fit the 32 x 18 pictures.
constexpr int kButtonWidth = 32;
constexpr int kButtonHeight = 18;
constexpr int kPickerWidth = 37;
constexpr int kPickerHeight = 113;

}  // namespace

const MessageMapEntry<CIconDlg> CIconDlg::kMessageMap[] = {
    OnCommand(BN_CLICKED, IDC_PICK_STANDARD, &CIconDlg::OnStandard),
    OnCommand(BN_CLICKED, IDC_PICK_WHITE, &CIconDlg::OnWhite),
    OnCommand(BN_CLICKED, IDC_PICK_RED, &CIconDlg::OnRed),
    OnCommand(BN_CLICKED, IDC_PICK_BLUE, &CIconDlg::OnBlue),
    OnCommand(BN_CLICKED, IDC_PICK_GREEN, &CIconDlg::OnGreen),
    OnCommand(BN_CLICKED, IDC_PICK_CYAN, &CIconDlg::OnCyan),
};

MessageResult CIconDlg::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteThroughMap(*this, kMessageMap, message, wParam, lParam);
}

void CIconDlg::DoDataExchange() {
    for (size_t i = 0; i < buttons.size(); ++i) {
        Bind(kBindOrder[i], buttons[i]);
    }
}

CButton& CIconDlg::ButtonOf(int choice) {
    size_t i = 0;
    while (kBindOrder[i] != kChoices[choice].buttonId) {
        ++i;
    }
    return buttons[i];
}

BOOL CIconDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The envelopes first, then the standard icon's picture.
    for (const int choice : {1, 2, 3, 4, 5, 0}) {
        CBitmap& picture = pictures[static_cast<size_t>(choice)];
        picture.Load(kChoices[choice].bitmapId);
        ButtonOf(choice).SetBitmap(picture.GetSafeHandle());
    }
    for (int choice = 0; choice < kChoiceCount; ++choice) {
        ButtonOf(choice).MoveWindow(0, choice * kButtonHeight, kButtonWidth, kButtonHeight);
    }
    RECT window{};
    GetWindowRect(GetSafeHwnd(), &window);
    MoveWindow(GetSafeHwnd(), window.left, window.top, kPickerWidth, kPickerHeight, TRUE);

    if (selection >= 0 && selection < kChoiceCount) {
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
