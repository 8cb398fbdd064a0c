#include "app/mailto_app.h"

#include "app/file_error_report.h"
#include "app/mailto_dlg.h"
#include "framework/message_boxes.h"
#include "res/resource.h"

namespace {

// Shift-JIS: the code page of every text the program handles.
constexpr UINT kJapaneseCodePage = 932;

}  // namespace

bool CMailtoApp::InitInstance() {
    // Elsewhere the texts come out garbled and Japanese names cannot be written; the
    // box itself is UTF-16 and reads right on any system.
    if (GetACP() != kJapaneseCodePage) {
        ShowAppMessageBox(nullptr, IDS_NEEDS_JAPANESE_LOCALE, MB_ICONWARNING | MB_OK);
    }
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
