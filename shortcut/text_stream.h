// An open, writable text stream: each "\n" written reaches the file as "\r\n".
#pragma once

#include <string_view>

class TextStream {
public:
    virtual ~TextStream() = default;
    // Throws FileError when the data cannot be written.
    virtual void WriteString(std::string_view text) = 0;
};
