// The application: runs the main dialog and ends when it closes.
#pragma once

#include "framework/win_app.h"

class CMailtoApp : public CWinApp {
protected:
    bool InitInstance() override;
};
