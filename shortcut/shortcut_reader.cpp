#include "shortcut/shortcut_reader.h"

#include <algorithm>
#include <optional>
#include <string>

#include "shortcut/mailto_url_reader.h"
#include "text/ascii_text.h"
#include "text/shift_jis_system_code_page.h"
#include "text/unicode_decoding.h"

namespace {

constexpr int kFirstProgramIcon = 1;
constexpr int kLastProgramIcon = 5;

// The URL in code page 932, spelt piece by piece (the address, then each field) to name
// the field that holds a character the code page cannot spell.
std::variant<std::string, UnspellableField> SpeltUrl(std::u16string_view url,
                                                     const CodePageSpelling& spelling) {
    std::string spelt;
    size_t start = 0;
    for (size_t end = url.find(u'?'); start <= url.size(); end = url.find(u'&', start)) {
        const std::u16string_view piece = url.substr(start, end == url.npos ? end : end - start);
        const std::optional<std::string> text = spelling.Spell(piece);
        if (!text) {
            // A field without a box of its own stays with the address.
            const std::optional<std::string> name =
                spelling.Spell(piece.substr(0, piece.find(u'=')));
            const bool isField = start > 0 && piece.find(u'=') != piece.npos && name;
            return UnspellableField{isField ? MailtoFieldNamed(*name).value_or(MailtoField::Address)
                                            : MailtoField::Address};
        }
        spelt += *text;
        if (end == url.npos) {
            break;
        }
        spelt += static_cast<char>(url[end]);
        start = end + 1;
    }
    return spelt;
}

// The URL as the shell reads it. Windows adds the .A and .W sections when the URL holds
// characters the code page cannot spell, and the plain line then holds best-fit
// stand-ins: while the .A copy still matches the plain line, the UTF-7 copy is the URL.
std::variant<std::string, UnspellableField> ShellUrl(const ShortcutFileLines& lines,
                                                     const CodePageSpelling& spelling) {
    if (!lines.urlA || !lines.urlW || *lines.urlA != *lines.url) {
        return SpeltUrl(*lines.url, spelling);
    }
    std::string utf7;
    for (const char16_t unit : *lines.urlW) {
        // UTF-7 is ASCII: anything else makes the copy unreadable.
        utf7 += static_cast<char>(unit < 0x80 ? unit : 0x80);
    }
    const std::optional<std::u16string> wide = unicode::FromUtf7(utf7);
    if (!wide) {
        return UnspellableField{MailtoField::Address};
    }
    return SpeltUrl(*wide, spelling);
}

// A plain decimal number, or -1.
int DecimalValue(std::string_view text) {
    if (text.empty() || text.size() > 9) {
        return -1;
    }
    int value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') {
            return -1;
        }
        value = value * 10 + (ch - '0');
    }
    return value;
}

// The file name of a path: behind its last "\\" or "/", or behind a drive's colon.
std::u16string_view FileNameOf(std::u16string_view path) {
    size_t start = path.find_last_of(u"\\/");
    start = start == path.npos ? (path.size() >= 2 && path[1] == u':' ? 2 : 0) : start + 1;
    return path.substr(start);
}

// One of the program's envelopes when the icon file is a ravlet.exe in any folder (a
// copy that has moved gets the current path when the shortcut is written again). The
// path is read in UTF-16, so that a folder of the system's code page such as
// "C:\\Users\\Jos\xE9\\" ends where the shell says it does.
void ChooseIcon(OpenedShortcut& shortcut) {
    const ShortcutFileLines& lines = shortcut.lines;
    if (!lines.iconFile || lines.iconFile->empty()) {
        return;
    }
    const std::u16string_view name = FileNameOf(*lines.iconFile);
    std::string index;
    for (const char16_t unit : lines.iconIndex.value_or(u"")) {
        index += static_cast<char>(unit < 0x80 ? unit : 0x80);
    }
    const int number = lines.iconIndex ? DecimalValue(index) : -1;
    const bool isProgram =
        name.size() == 10 &&
        mbtext::EqualsIgnoringAsciiCase(std::string(name.begin(), name.end()), "ravlet.exe") &&
        std::all_of(name.begin(), name.end(), [](char16_t unit) { return unit < 0x80; });
    if (isProgram && number >= kFirstProgramIcon && number <= kLastProgramIcon) {
        shortcut.iconIndex = number;
        return;
    }
    shortcut.keepsOwnIcon = true;
}

bool StartsWith(std::string_view bytes, std::string_view start) {
    return bytes.substr(0, start.size()) == start;
}

}  // namespace

std::optional<std::u16string> ShortcutText(std::string_view bytes, const SystemCodePage& system) {
    // Windows' profile functions read a file with a byte-order mark as Unicode, and
    // end a value at a NUL where other readers do not.
    if (bytes.find('\0') != std::string_view::npos || StartsWith(bytes, "\xEF\xBB\xBF") ||
        StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        return std::nullopt;
    }
    // The whole file, not only the values: a lone lead byte swallows the line end or
    // the "[" behind it in one reader and not in another; invalid UTF-8 reads as
    // stand-ins.
    return system.Decode(bytes);
}

std::optional<ShortcutFileLines> ReadShortcutLines(std::string_view bytes,
                                                   const SystemCodePage& system) {
    const std::optional<std::u16string> text = ShortcutText(bytes, system);
    if (!text) {
        return std::nullopt;
    }
    return ReadShortcutFileLines(bytes, *text);
}

bool WindowsReadsTheSame(const ShortcutFileLines& lines, const WindowsProfileReading& windows) {
    return windows.asked && windows.url == lines.url && windows.urlA == lines.urlA &&
           windows.urlW == lines.urlW && windows.iconFile == lines.iconFile &&
           windows.iconIndex == lines.iconIndex;
}

ShortcutReading ReadShortcut(std::string_view bytes, const CodePageSpelling& spelling,
                             const WindowsProfileReading* windows, const SystemCodePage* system) {
    if (bytes.size() > kMaxShortcutFileBytes) {
        return ShortcutRefusal::TooLarge;
    }
    const ShiftJisSystemCodePage shiftJis(spelling);
    std::optional<ShortcutFileLines> lines = ReadShortcutLines(bytes, system ? *system : shiftJis);
    if (!lines) {
        return ShortcutRefusal::NotCodePageText;
    }
    OpenedShortcut shortcut;
    shortcut.lines = std::move(*lines);
    if (windows && !WindowsReadsTheSame(shortcut.lines, *windows)) {
        return ShortcutRefusal::WindowsReadsOtherwise;
    }
    if (!shortcut.lines.hasSection || !shortcut.lines.url) {
        return ShortcutRefusal::NoUrl;
    }
    const auto url = ShellUrl(shortcut.lines, spelling);
    if (const auto* unspellable = std::get_if<UnspellableField>(&url)) {
        return *unspellable;
    }
    const MailtoReading reading = ReadMailtoUrl(std::get<std::string>(url), spelling);
    if (std::holds_alternative<NotMailto>(reading)) {
        return ShortcutRefusal::NotMailto;
    }
    if (const auto* unspellable = std::get_if<UnspellableField>(&reading)) {
        return *unspellable;
    }
    shortcut.message = std::get<MailtoMessage>(reading);
    ChooseIcon(shortcut);
    return shortcut;
}
