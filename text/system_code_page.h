// The code page the system reads a .url in: GetACP() when the program starts, which is
// 65001 where the UTF-8 option is on. The program's own text stays code page 932
// whatever it is; only what the shell reads back follows it. Behind an interface so
// that the core stays window-free and its tests can be any system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

inline constexpr unsigned kShiftJisSystemCodePage = 932;
inline constexpr unsigned kUtf8SystemCodePage = 65001;

class SystemCodePage {
public:
    virtual ~SystemCodePage() = default;
    // The number Windows gives it (932, 1252, 65001, ...).
    virtual unsigned Number() const = 0;
    // The text in the system's code page, or nullopt when a character has no exact
    // counterpart there: the shell would read a best-fit stand-in as another file.
    virtual std::optional<std::string> Spell(std::u16string_view text) const = 0;
    // The bytes as the shell reads them, in UTF-16, or nullopt when they are no text of
    // the system's code page (invalid UTF-8 on a 65001 system).
    virtual std::optional<std::u16string> Decode(std::string_view bytes) const = 0;

    // Raw Shift-JIS in a .url reads right on this system.
    bool ReadsShiftJis() const { return Number() == kShiftJisSystemCodePage; }
};
