// The smallest dialog program: one dialog from a template with one button, in the
// same font as ravlet's. The start-up benchmark compares ravlet against it.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "end_only_dialog_proc.h"

namespace {

// Appends a UTF-16 string with its terminator, as dialog templates store them.
void PutText(std::vector<WORD>& out, const wchar_t* text) {
    do {
        out.push_back(static_cast<WORD>(*text));
    } while (*text++);
}

void AlignToDword(std::vector<WORD>& out) {
    if (out.size() % 2) {
        out.push_back(0);
    }
}

void PutDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

std::vector<WORD> MinimalTemplate() {
    std::vector<WORD> t;
    PutDword(t, DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    PutDword(t, 0);  // extended style
    t.push_back(1);  // one control
    t.insert(t.end(), {0, 0, 120, 40});
    t.push_back(0);  // no menu
    t.push_back(0);  // standard dialog class
    PutText(t, L"minimal dialog");
    t.push_back(9);
    PutText(t, L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");  // "ＭＳ Ｐゴシック"
    AlignToDword(t);
    PutDword(t, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
    PutDword(t, 0);
    t.insert(t.end(), {35, 13, 50, 14, IDOK});
    t.push_back(0xFFFF);
    t.push_back(0x0080);  // button class
    PutText(t, L"OK");
    t.push_back(0);  // no creation data
    return t;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::vector<WORD> dialogTemplate = MinimalTemplate();
    DialogBoxIndirectParamW(instance, reinterpret_cast<DLGTEMPLATE*>(dialogTemplate.data()),
                            nullptr, EndOnlyDialogProc, 0);
    return 0;
}
