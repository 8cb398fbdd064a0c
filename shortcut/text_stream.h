// Text written piece by piece: each "\n" written stands for a line end, which the file
// holds as "\r\n".
#pragma once

#include <string_view>

class TextStream {
public:
    virtual ~TextStream() = default;
    virtual void WriteString(std::string_view text) = 0;
};
