// The shell's folder browser opened by the program under test.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Waits for a folder browser owned by owner (the dialog with the shell's tree view).
HWND WaitForFolderBrowser(HWND owner);

// Highlights path in the browser, as a click in its tree would, and waits until the
// status line shows it (true). The path lives in the browser's
// process: BFFM_SETSELECTIONA carries a pointer that is not marshalled across processes.
bool HighlightFolder(HWND browser, const std::string& path);

std::string BrowserTitle(HWND browser);
std::string BrowserStatusText(HWND browser);

// Accepts the highlighted folder (OK) or cancels, and waits until the browser closed.
bool AcceptFolder(HWND browser);
bool CancelFolderBrowser(HWND browser);

}  // namespace e2e
