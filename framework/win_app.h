// The application object: one per process, started by WinMain.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

class CDialog;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The one application object, or null when none exists.
    static CWinApp* Current();

    // Prepares the process and runs InitInstance; returns the process exit code: 0, or
    // what the application set with SetExitCode.
    int Run();

    // The executable's file name without directory and extension ("ravlet" when the
    // code page cannot spell that name): the caption of the boxes the application layer
    // raises by itself.
    const std::string& AppName() const { return appName_; }

    // The help command: the topic of the dialog's template in the HTML Help file named
    // after the executable; without that file (or topic), Windows Help when its .HLP
    // file lies beside the executable. A help file that the viewer would show blank
    // (its zone is above the machine's limit) gets a box that says why and how to fix it.
    void OnHelp(const CDialog& dialog);

    // A handler of one of our dialogs raised error while the dialog window handled a
    // message. True when the application has answered it: the dialog then runs on.
    // The default knows no error, and the program ends as for any uncaught exception.
    virtual bool ProcessWndProcException(HWND window, const std::exception_ptr& error);

protected:
    // False ends the application when it returns; this framework has no message loop
    // of its own, so a program's work happens in the modal dialogs run from here.
    virtual bool InitInstance() { return false; }

    // A failure the user may not have seen (a dialog that could not be shown) ends the
    // process with a status a caller can see.
    void SetExitCode(int code) { exitCode_ = code; }

private:
    std::string appName_;
    int exitCode_ = 0;
};
