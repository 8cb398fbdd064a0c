#include "app/mailto_app.h"

#include "app/file_error_report.h"
#include "app/mailto_dlg.h"

bool CMailtoApp::InitInstance() {
    CMailtoDlg dialog;
    if (dialog.DoModal() == -1) {
        SetExitCode(1);
    }
    // The program ends with its dialog.
    return false;
}

bool CMailtoApp::ProcessWndProcException(HWND window, const std::exception_ptr& error) {
    return ReportFileError(window, error);
}
