#include "shortcut/percent_escape.h"

namespace {

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    return -1;
}

}  // namespace

int EscapedByte(std::string_view text, size_t pos) {
    if (pos + 2 >= text.size() || text[pos] != '%') {
        return -1;
    }
    const int high = HexValue(text[pos + 1]);
    const int low = HexValue(text[pos + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}
