#include "shortcut/shortcut_file.h"

#include "text/multibyte.h"

void WriteMailtoShortcut(TextStream& stream, const std::string& address, const std::string& subject,
                         int iconIndex, const std::string& iconFilePath) {
    // Everything is written as typed: the shell and the mail program read the URL
    // verbatim, so nothing is encoded or quoted.
    stream.WriteString("[InternetShortcut]\n");
    stream.WriteString("URL=mailto:");
    stream.WriteString(mbtext::WithoutControlBytes(address));
    const std::string subjectText = mbtext::WithoutControlBytes(subject);
    if (!subjectText.empty()) {
        stream.WriteString("?Subject=");
        stream.WriteString(subjectText);
    }
    stream.WriteString("\n");
    // Index 0 is the mail program's own icon: no icon lines at all. Nor without an icon
    // file: a bare "ravlet.exe" would be looked for beside each shortcut.
    if (iconIndex != 0 && !iconFilePath.empty()) {
        stream.WriteString("IconFile=" + iconFilePath);
        stream.WriteString("\n");
        stream.WriteString("IconIndex=" + std::to_string(iconIndex) + "\n");
    }
}
