// One shortcut as the user asks for it in the main dialog.
#pragma once

#include <optional>
#include <string>

class CodePageSpelling;

// Texts in code page 932, as read from the fields (the address already without a
// pasted scheme and the blanks around it).
struct ShortcutRequest {
    std::string address;
    std::string subject;
    std::string cc;
    std::string bcc;
    // Lines broken by CR LF, LF or CR, however they were typed.
    std::string body;
    std::string name;
    // The selected destination, or nullopt when none is selected.
    std::optional<std::string> folder;
    // 0 (the mail program's own icon) to 5.
    int iconIndex = 0;
    // Where the shell reads the URL in a code page other than 932, or the shortcut was
    // opened in that form: code page 932, through which text beyond ASCII is read to
    // be written as the %XX escapes of its UTF-8. Null: that text stays raw.
    const CodePageSpelling* beyondAsciiAsUtf8 = nullptr;
};
