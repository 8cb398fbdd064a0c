#include "shortcut/shortcut_file.h"

#include "shortcut/mailto_url.h"

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
