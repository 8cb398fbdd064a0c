#include "app/mailto_app.h"

#include "app/file_error_report.h"
#include "app/mailto_dlg.h"

namespace {

CMailtoApp theApp;

}  // namespace

bool CMailtoApp::InitInstance() {
    CMailtoDlg dialog;
    dialog.DoModal();
    // The program ends with its dialog.
    return false;
}

bool CMailtoApp::ProcessWndProcException(HWND window, const std::exception_ptr& error) {
    return ReportFileError(window, error);
}
