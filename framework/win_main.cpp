// The process entry point: runs the program's one application object.
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    return app != nullptr ? app->Run() : 1;
}
