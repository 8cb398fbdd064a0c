// A modal dialog run from a template of the program's resources. Derived classes bind
// their controls in DoDataExchange and route messages through their message map.
#pragma once

#include <windows.h>

#include "framework/dialog_controls.h"
#include "framework/message_map.h"

class CDialog {
public:
    // owner may be null: the dialog then has no owner window.
    explicit CDialog(int templateId, HWND owner = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until EndDialog; returns its result, or -1 when it could not be
    // created.
    INT_PTR DoModal();

    HWND GetSafeHwnd() const { return hwnd_; }
    int TemplateId() const { return templateId_; }

    // The dialog object behind a window of ours, or null for any other window.
    static CDialog* FromHandle(HWND hwnd);

protected:
    // The message-map lookup: derived classes route through their own table.
    virtual MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Binds the controls; called by OnInitDialog before anything else.
    virtual void DoDataExchange() {}
    // True lets the dialog manager put the focus on the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    void EndDialog(INT_PTR result);
    void Bind(int controlId, CDialogControl& control);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleInitDialog();
    MessageResult HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND owner_;
    HWND hwnd_ = nullptr;
};
