// The dialog procedure of the benchmark's dialogs: no work of its own; OK and Cancel
// end the dialog.
#pragma once

#include <windows.h>

inline INT_PTR CALLBACK EndOnlyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
