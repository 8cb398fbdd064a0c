#include "app/mailto_app.h"

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
