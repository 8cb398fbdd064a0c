// ravlet's main dialog template with no code behind it: the same resources, shown by a
// dialog procedure that does nothing. The start-up benchmark compares ravlet against
// it to see what the program's own start-up work costs.
#include <windows.h>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK BareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, BareProc, 0);
    return 0;
}
