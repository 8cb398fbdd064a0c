// Finding and reading the windows of another process. Texts are read with WM_GETTEXT,
// which Wine marshals across processes (GetWindowText would not ask the control).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::string WindowText(HWND window);
std::string WindowClass(HWND window);

// Visible top-level windows of a process whose class is className, in z-order; the
// first of them, or null.
std::vector<HWND> VisibleWindowsOf(DWORD processId, const std::string& className);
HWND VisibleWindowOf(DWORD processId, const std::string& className);

// Visible top-level dialogs ("#32770") of a process, in z-order.
std::vector<HWND> VisibleDialogsOf(DWORD processId);

// The visible dialog of the process with this caption, or null.
HWND FindDialog(DWORD processId, const std::string& caption);

// Visible dialogs (message boxes, the icon picker, the folder browser) owned by owner.
std::vector<HWND> DialogsOwnedBy(HWND owner);

// The visible dialog owned by owner with this caption, or null.
HWND DialogOwnedBy(HWND owner, const std::string& caption);

// The child with this control id whose class is className, or null: the id alone is
// ambiguous in dialogs made by the system (static 0xFFFF is also used for labels).
HWND ChildWithClass(HWND parent, int id, const char* className);

}  // namespace e2e
