// F1 in any of our dialogs raises the help command.
#pragma once

#include <windows.h>

// While it lives, F1 without Shift, Ctrl or Alt in a dialog of ours sends that dialog
// the help command (ID_HELP). Modal dialog loops run their messages past the
// thread's message filter, so the key is caught there, before the focused control
// sees it.
class HelpKey {
public:
    HelpKey();
    ~HelpKey();
    HelpKey(const HelpKey&) = delete;
    HelpKey& operator=(const HelpKey&) = delete;

private:
    HHOOK hook_;
};
