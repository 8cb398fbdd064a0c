// The parts of a mail message that a mailto shortcut carries, as code-page text.
#pragma once

#include <string>

enum class MailtoField { Address, Subject, Cc, Bcc, Body };

struct MailtoMessage {
    // Fields without a box of their own (in-reply-to=, a second cc=) follow the
    // address as they were written, so that writing the shortcut again keeps them.
    std::string address;
    std::string subject;
    std::string cc;
    std::string bcc;
    // Lines end in CR LF, as in the edit control.
    std::string body;
};

// A value holds a character the code page cannot spell.
struct UnspellableField {
    MailtoField field;
};
