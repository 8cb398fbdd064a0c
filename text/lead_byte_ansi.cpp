// Lead bytes of the system ANSI code page, which is also the code page of every text
// the dialogs, the shell and the profile functions hand to this program.
#include <windows.h>

#include "text/multibyte.h"

namespace mbtext {

bool IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByteEx(CP_ACP, byte) != FALSE;
}

}  // namespace mbtext
