#include "framework/dialog.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "framework/centre_window.h"
#include "framework/framework_ids.h"
#include "framework/label_widening.h"
#include "framework/win_app.h"
#include "framework/window_dpi.h"

namespace {

// Dialogs of ours that have a window, innermost last: modal dialogs nest.
std::vector<CDialog*>& LiveDialogs() {
    static std::vector<CDialog*> dialogs;
    return dialogs;
}

void Forget(CDialog* dialog) {
    auto& dialogs = LiveDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
}

// Messages whose result a dialog procedure returns itself instead of through
// DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
        case WM_CHARTOITEM:
        case WM_COMPAREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON:
        case WM_VKEYTOITEM:
            return true;
        default:
            return false;
    }
}

POINT TopLeft(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return {rect.left, rect.top};
}

}  // namespace

CDialog::CDialog(int templateId, HWND owner) : templateId_(templateId), owner_(owner) {}

CDialog::~CDialog() {
    Forget(this);
}

INT_PTR CDialog::DoModal() {
    // A Unicode dialog: its edit controls keep UTF-16, so a character the code page
    // cannot spell reaches the exact conversion as it was typed. Controls of an ANSI
    // dialog keep code-page text on Windows and swap such a character for a best-fit
    // look-alike ("¥" for "\") before anyone can read it.
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner_,
                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

CDialog* CDialog::FromHandle(HWND hwnd) {
    for (CDialog* dialog : LiveDialogs()) {
        if (dialog->hwnd_ == hwnd && hwnd != nullptr) {
            return dialog;
        }
    }
    return nullptr;
}

MessageResult CDialog::RouteMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CDialog::EndDialog(INT_PTR result) {
    ::EndDialog(hwnd_, result);
}

void CDialog::Bind(int controlId, CDialogControl& control) {
    control.Attach(GetDlgItem(hwnd_, controlId));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        dialog->hwnd_ = hwnd;
        LiveDialogs().push_back(dialog);
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;  // messages before WM_INITDIALOG
    }
    // What a handler raises ends that handler; the application decides whether the
    // program goes on. Nothing may leave through the dialog manager's own frames.
    try {
        if (message == WM_INITDIALOG) {
            return dialog->HandleInitDialog();
        }
        MessageResult result = dialog->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            Forget(dialog);
            dialog->hwnd_ = nullptr;
            SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        }
        if (!result) {
            return FALSE;
        }
        if (ReturnsResultDirectly(message)) {
            return static_cast<INT_PTR>(*result);
        }
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, *result);
        return TRUE;
    } catch (...) {
        CWinApp* app = CWinApp::Current();
        if (app == nullptr || !app->ProcessWndProcException(hwnd, std::current_exception())) {
            std::terminate();
        }
        return TRUE;
    }
}

INT_PTR CDialog::HandleInitDialog() {
    // A hidden template that OnInitDialog leaves where it was is centred over its owner.
    const POINT before = TopLeft(hwnd_);
    WidenLabelsToTheirText(hwnd_);
    const BOOL focusFirstTabStop = OnInitDialog();
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const POINT after = TopLeft(hwnd_);
    if ((style & (WS_VISIBLE | WS_CHILD)) == 0 && before.x == after.x && before.y == after.y) {
        CentreOverOwner(hwnd_);
    }
    return focusFirstTabStop;
}

MessageResult CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DPICHANGED) {
        // The system lays the template out for the new DPI first; our pixels follow.
        PostMessageW(hwnd_, kDpiLayoutChanged, LOWORD(wParam), 0);
    } else if (message == kDpiLayoutChanged) {
        WidenLabelsToTheirText(hwnd_);
    }
    if (MessageResult result = RouteMessage(message, wParam, lParam)) {
        return result;
    }
    // Commands from a menu or the keyboard carry no control window.
    const bool fromControl = lParam != 0;
    if (message != WM_COMMAND || (fromControl && HIWORD(wParam) != BN_CLICKED)) {
        return std::nullopt;
    }
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return 0;
        case IDCANCEL:
            OnCancel();
            return 0;
        case ID_HELP:
            if (CWinApp* app = CWinApp::Current()) {
                app->OnHelp(*this);
            }
            return 0;
        default:
            return std::nullopt;
    }
}
