// Thin wrappers over the controls of a dialog, bound to their windows by control id.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

class CDialogControl {
public:
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    HWND GetSafeHwnd() const { return hwnd_; }

    // The text in the ANSI code page, or nullopt when it holds a character the code page
    // cannot spell. Read as UTF-16: the ANSI read would swap such a character for a
    // best-fit look-alike ("¥" for "\", "〜" for "?") without a word.
    std::optional<std::string> GetExactText() const;
    // The text as the control holds it.
    std::wstring GetWideText() const;
    // Converted to UTF-16 here, the way the ANSI functions convert, so that the
    // control of a Unicode dialog holds the same characters.
    void SetText(const std::string& text);
    void SetFocus();
    bool HasFocus() const { return hwnd_ != nullptr && ::GetFocus() == hwnd_; }
    void MoveWindow(int x, int y, int width, int height);

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd_, message, wParam, lParam);
    }

private:
    HWND hwnd_ = nullptr;
};

class CEdit : public CDialogControl {};

class CComboBox : public CDialogControl {
public:
    // Item indexes; -1 stands for "no item" (CB_ERR).
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    void DeleteString(int index);
    int GetCount() const;
    void SetCurSel(int index);
    int GetCurSel() const;
};

class CButton : public CDialogControl {
public:
    void SetBitmap(HBITMAP bitmap);
    void SetButtonStyle(UINT style, bool redraw = true);
};

class CStatic : public CDialogControl {
public:
    // Null removes the picture.
    void SetBitmap(HBITMAP bitmap);
};
