// The icon picker: six picture buttons in a column, one per icon choice (0 = the mail
// program's standard icon, 1 to 5 = the envelopes).
#pragma once

#include <array>

#include "framework/dialog.h"
#include "framework/gdi_bitmap.h"
#include "res/resource.h"

class CIconDlg : public CDialog {
public:
    // selection is the current choice; after OK, Selection() is the chosen one.
    CIconDlg(HWND owner, int selection) : CDialog(IDD_ICONPICK, owner), selection(selection) {}

    int Selection() const { return selection; }

protected:
    MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;

private:
    static const MessageMapEntry<CIconDlg> kMessageMap[];

    void LayOut(int dpi);
    MessageResult OnDpiLayoutChanged(WPARAM dpi, LPARAM);
    void Choose(int choice);
    void OnStandard() { Choose(0); }
    void OnWhite() { Choose(1); }
    void OnRed() { Choose(2); }
    void OnBlue() { Choose(3); }
    void OnGreen() { Choose(4); }
    void OnCyan() { Choose(5); }

    CButton& ButtonOf(int choice) { return buttons[static_cast<size_t>(choice)]; }

    int selection;
    // Index = choice.
    std::array<CBitmap, 6> pictures;
    // Index = choice.
    std::array<CButton, 6> buttons;
};
