// Lead bytes of code page 932, the code page of every text the program holds; the
// system's own code page does not matter.
#include <windows.h>

#include "text/multibyte.h"

namespace mbtext {

bool IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByteEx(932, byte) != FALSE;
}

}  // namespace mbtext
