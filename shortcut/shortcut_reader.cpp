#include "shortcut/shortcut_reader.h"

#include <optional>
#include <string>

#include "shortcut/mailto_url_reader.h"
#include "text/ascii_text.h"
#include "text/file_name.h"
#include "text/unicode_decoding.h"

namespace {

constexpr int kFirstProgramIcon = 1;
constexpr int kLastProgramIcon = 5;

// The URL as the shell reads it. Windows adds the .A and .W sections when the URL holds
// characters the code page cannot spell, and the plain line then holds best-fit
// stand-ins: while the .A copy still matches the plain line, the UTF-7 copy is the URL.
// When that copy cannot be spelt in the code page, the field that holds the character.
std::variant<std::string, UnspellableField> ShellUrl(const ShortcutFileLines& lines,
                                                     const CodePageSpelling& spelling) {
    if (!lines.urlA || !lines.urlW || *lines.urlA != *lines.url) {
        return *lines.url;
    }
    const std::optional<std::u16string> wide = unicode::FromUtf7(*lines.urlW);
    if (!wide) {
        return UnspellableField{MailtoField::Address};
    }
    // Spelt piece by piece (the address, then each field), to name the field that fails.
    const std::u16string_view url = *wide;
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

// One of the program's envelopes when the icon file is a ravlet.exe in any folder (a
// copy that has moved gets the current path when the shortcut is written again).
void ChooseIcon(OpenedShortcut& shortcut) {
    const ShortcutFileLines& lines = shortcut.lines;
    if (!lines.iconFile || lines.iconFile->empty()) {
        return;
    }
    const std::string_view iconFile = *lines.iconFile;
    const int index = lines.iconIndex ? DecimalValue(*lines.iconIndex) : -1;
    if (mbtext::EqualsIgnoringAsciiCase(iconFile.substr(mbtext::FileNameStart(iconFile)),
                                        "ravlet.exe") &&
        index >= kFirstProgramIcon && index <= kLastProgramIcon) {
        shortcut.iconIndex = index;
        return;
    }
    shortcut.keepsOwnIcon = true;
}

bool StartsWith(std::string_view bytes, std::string_view start) {
    return bytes.substr(0, start.size()) == start;
}

}  // namespace

std::optional<std::string> ShortcutText(std::string_view bytes, const CodePageSpelling& spelling) {
    // Windows' profile functions read a file with a byte-order mark as Unicode, and
    // end a value at a NUL where other readers do not.
    if (bytes.find('\0') != std::string_view::npos || StartsWith(bytes, "\xEF\xBB\xBF") ||
        StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        return std::nullopt;
    }
    // The whole file, not only the values: a lone lead byte swallows the line end or
    // the "[" behind it in one reader and not in another.
    if (!spelling.Reads(bytes)) {
        return std::nullopt;
    }
    return std::string(bytes);
}

bool WindowsReadsTheSame(const ShortcutFileLines& lines, const WindowsProfileReading& windows) {
    return windows.spelt && windows.url == lines.url && windows.urlA == lines.urlA &&
           windows.urlW == lines.urlW && windows.iconFile == lines.iconFile &&
           windows.iconIndex == lines.iconIndex;
}

ShortcutReading ReadShortcut(std::string_view bytes, const CodePageSpelling& spelling,
                             const WindowsProfileReading* windows) {
    if (bytes.size() > kMaxShortcutFileBytes) {
        return ShortcutRefusal::TooLarge;
    }
    const std::optional<std::string> text = ShortcutText(bytes, spelling);
    if (!text) {
        return ShortcutRefusal::NotCodePageText;
    }
    OpenedShortcut shortcut;
    shortcut.lines = ReadShortcutFileLines(*text);
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
