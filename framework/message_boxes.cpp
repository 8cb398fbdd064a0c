#include "framework/message_boxes.h"

#include "framework/win_app.h"

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

int ShowAppMessageBox(HWND owner, const std::string& text, UINT style) {
    const CWinApp* app = CWinApp::Current();
    return ShowMessageBox(owner, text, app != nullptr ? app->AppName() : std::string(), style);
}
