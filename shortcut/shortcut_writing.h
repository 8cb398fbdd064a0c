// How this system wants its shortcuts written, decided once at start.
#pragma once

#include "text/code_page_spelling.h"

struct ShortcutWriting {
    // Code page 932, the program's own, through which text beyond ASCII is read for
    // its UTF-8 escapes.
    const CodePageSpelling* shiftJis = nullptr;
    // The shell reads a .url in code page 932: raw Shift-JIS reads right, and a new
    // shortcut holds it as it always has. Elsewhere the URL line is ASCII only.
    bool systemReadsShiftJis = true;
    // The program could not be named in an icon line the shell reads: the first
    // completion box of the run that gives a shortcut the standard icon instead of an
    // envelope says so, and no later one does.
    bool standardIconNoticeDue = false;
};
