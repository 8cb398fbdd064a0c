#include "framework/win_app.h"

#include <windows.h>

#include "framework/dialog.h"
#include "framework/framework_ids.h"
#include "framework/help_key.h"
#include "framework/help_viewer_refusal.h"
#include "framework/html_help.h"
#include "framework/message_boxes.h"
#include "framework/module_path.h"
#include "framework/windows_help.h"
#include "text/file_name.h"

namespace {

CWinApp* theApp = nullptr;

// Help topics of dialogs are numbered from here by template number.
constexpr DWORD kDialogHelpContextBase = 0x20000;

// The executable's file title, or the program's own name when the code page cannot
// spell the title exactly: a best-fit spelling would be a name the user never gave it.
std::string ApplicationName() {
    return ExactModuleFileTitle().value_or("ravlet");
}

}  // namespace

CWinApp::CWinApp() : appName_(ApplicationName()) {
    theApp = this;
}

CWinApp::~CWinApp() {
    if (theApp == this) {
        theApp = nullptr;
    }
}

CWinApp* CWinApp::Current() {
    return theApp;
}

int CWinApp::Run() {
    // A drive that is not ready makes file calls fail instead of asking the user.
    const UINT mode = SetErrorMode(0);
    SetErrorMode(mode | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const HelpKey helpKey;
    InitInstance();
    return exitCode_;
}

void CWinApp::OnHelp(const CDialog& dialog) {
    // A path spelt with best-fit stand-ins would open another folder's help file.
    const std::optional<std::string> modulePath = ExactModuleFileName();
    const DWORD context = kDialogHelpContextBase + static_cast<DWORD>(dialog.TemplateId());
    const HWND asking = dialog.GetSafeHwnd();
    if (!modulePath) {
        ShowAppMessageBox(asking, IDS_HELP_FAILED, MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    const std::string htmlHelpFile = HtmlHelpFilePath(*modulePath);
    // The viewer would show its contents with every page blank: say why instead.
    const zone::ViewerRefusal refusal = HelpViewerRefusal(htmlHelpFile);
    if (refusal != zone::ViewerRefusal::None) {
        const std::string fileName = htmlHelpFile.substr(mbtext::FileNameStart(htmlHelpFile));
        ShowAppMessageBox(asking,
                          refusal == zone::ViewerRefusal::Downloaded ? IDS_HELP_BLOCKED_DOWNLOADED
                                                                     : IDS_HELP_BLOCKED_NETWORK,
                          MB_ICONEXCLAMATION | MB_OK, fileName);
        return;
    }
    // The viewer belongs to the top dialog, so that it stays open when the picker or
    // the About box that asked for it closes.
    const HWND viewerOwner = GetAncestor(asking, GA_ROOTOWNER);
    if (ShowHtmlHelpTopic(viewerOwner, htmlHelpFile, context)) {
        return;
    }
    if (!ShowWindowsHelpTopic(asking, HelpFilePath(*modulePath), context)) {
        ShowAppMessageBox(asking, IDS_HELP_FAILED, MB_ICONEXCLAMATION | MB_OK);
    }
}

bool CWinApp::ProcessWndProcException(HWND, const std::exception_ptr&) {
    return false;
}
