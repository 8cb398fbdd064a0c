// The system's code page as Windows reports it once, at start.
#pragma once

#include "text/system_code_page.h"

class WindowsSystemCodePage : public SystemCodePage {
public:
    // Reads GetACP(): with no code page set in the manifest it is the one the shell
    // reads a .url in.
    WindowsSystemCodePage();
    // Another system's code page, for the tests.
    explicit WindowsSystemCodePage(unsigned number) : number_(number) {}
    unsigned Number() const override { return number_; }
    std::optional<std::string> Spell(std::u16string_view text) const override;
    std::optional<std::u16string> Decode(std::string_view bytes) const override;

private:
    unsigned number_;
};
