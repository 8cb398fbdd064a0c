// The About box, opened from the main dialog's system menu.
#pragma once

#include "framework/dialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND owner) : CDialog(IDD_ABOUTBOX, owner) {}
};
