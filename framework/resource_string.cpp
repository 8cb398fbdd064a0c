#include "framework/resource_string.h"

#include <windows.h>

std::string LoadResourceString(unsigned id, const std::string& fallback) {
    // LoadStringA says nothing about truncation: grow until the text fits with room
    // to spare.
    for (int size = 256; size <= 65536; size *= 2) {
        std::string text(static_cast<size_t>(size), '\0');
        const int length = LoadStringA(GetModuleHandleA(nullptr), id, text.data(), size);
        if (length <= 0) {
            return fallback;
        }
        if (length < size - 2) {
            text.resize(static_cast<size_t>(length));
            return text;
        }
    }
    return fallback;
}
