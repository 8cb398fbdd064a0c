// ravlet's main dialog template with no code behind it: the same resources, shown by a
// dialog procedure that does nothing. The start-up benchmark compares ravlet against
// it to see what the program's own start-up work costs.
#include <windows.h>

#include "end_only_dialog_proc.h"
#include "res/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, EndOnlyDialogProc, 0);
    return 0;
}
