// Lead bytes of code page 932, for builds that have no Windows code page to ask.
#include "text/multibyte.h"

namespace mbtext {

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace mbtext
