// One shortcut as the user asks for it in the main dialog.
#pragma once

#include <optional>
#include <string>

// Texts in the ANSI code page, as read from the fields (the address already without a
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
};
