#include "framework/dialog_controls.h"

#include "framework/exact_ansi.h"

std::optional<std::string> CDialogControl::GetExactText() const {
    return ExactAnsiText(GetWideText());
}

std::wstring CDialogControl::GetWideText() const {
    const int length = GetWindowTextLengthW(hwnd_);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void CDialogControl::SetText(const std::string& text) {
    ::SetWindowTextW(hwnd_, WideFromAnsi(text).c_str());
}

void CDialogControl::SetFocus() {
    ::SetFocus(hwnd_);
}

void CDialogControl::MoveWindow(int x, int y, int width, int height) {
    ::MoveWindow(hwnd_, x, y, width, height, TRUE);
}

int CComboBox::AddString(const std::string& text) {
    const std::wstring wide = WideFromAnsi(text);
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int CComboBox::InsertString(int index, const std::string& text) {
    const std::wstring wide = WideFromAnsi(text);
    return static_cast<int>(
        Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str())));
}

void CComboBox::DeleteString(int index) {
    Send(CB_DELETESTRING, static_cast<WPARAM>(index));
}

int CComboBox::GetCount() const {
    return static_cast<int>(Send(CB_GETCOUNT));
}

void CComboBox::SetCurSel(int index) {
    Send(CB_SETCURSEL, static_cast<WPARAM>(index));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(Send(CB_GETCURSEL));
}

void CButton::SetBitmap(HBITMAP bitmap) {
    Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void CButton::SetButtonStyle(UINT style, bool redraw) {
    Send(BM_SETSTYLE, style, redraw ? TRUE : FALSE);
}

void CStatic::SetBitmap(HBITMAP bitmap) {
    Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}
