// The application: runs the main dialog and ends when it closes.
#pragma once

#include "framework/win_app.h"

class CMailtoApp : public CWinApp {
protected:
    bool InitInstance() override;
    // A file error is reported, and the dialog runs on.
    bool ProcessWndProcException(HWND window, const std::exception_ptr& error) override;
};
