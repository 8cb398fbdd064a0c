#include "shortcut/shortcut_file.h"

#include "shortcut/mailto_url.h"

namespace {

// Collects what is written, each "\n" as "\r\n", as a text-mode file would.
class CrLfText : public TextStream {
public:
    void WriteString(std::string_view text) override {
        for (char ch : text) {
            if (ch == '\n') {
                bytes += '\r';
            }
            bytes += ch;
        }
    }
    std::string bytes;
};

}  // namespace

void WriteMailtoShortcut(TextStream& stream, const ShortcutRequest& request,
                         const std::string& iconFilePath) {
    stream.WriteString("[InternetShortcut]\n");
    stream.WriteString("URL=");
    stream.WriteString(MailtoUrl(request));
    stream.WriteString("\n");
    // Index 0 is the mail program's own icon: no icon lines at all. Nor without an icon
    // file: a bare "ravlet.exe" would be looked for beside each shortcut.
    if (request.iconIndex != 0 && !iconFilePath.empty()) {
        stream.WriteString("IconFile=" + iconFilePath);
        stream.WriteString("\n");
        stream.WriteString("IconIndex=" + std::to_string(request.iconIndex) + "\n");
    }
}

bool KeepsIconLines(const ShortcutRequest& request, const std::string& iconFilePath,
                    const ShortcutRewrite& rewrite) {
    // Without an icon file to name (the program's folder cannot be spelt), an envelope
    // the shortcut had stays as it was written rather than going; one the user picked
    // cannot be named, and the old one would show instead of it.
    return rewrite.keepsOwnIcon ||
           (iconFilePath.empty() && request.iconIndex != 0 && !rewrite.iconPicked);
}

std::string ShortcutFileBytes(const ShortcutRequest& request, const std::string& iconFilePath,
                              const ShortcutRewrite* rewrite) {
    CrLfText text;
    WriteMailtoShortcut(text, request, iconFilePath);
    if (rewrite) {
        WriteKeptLines(text, rewrite->lines, KeepsIconLines(request, iconFilePath, *rewrite));
    }
    return text.bytes;
}
