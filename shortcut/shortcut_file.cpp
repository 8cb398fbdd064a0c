#include "shortcut/shortcut_file.h"

#include "text/multibyte.h"

void WriteMailtoShortcut(TextStream& stream, const std::string& address, const std::string& subject,
                         int iconIndex, const std::string& iconFilePath) {
    // Everything is written as typed: the shell and the mail program read the URL
    // verbatim, so nothing is encoded or quoted.
    stream.WriteString("[InternetShortcut]\n");
    stream.WriteString("URL=mailto:");
    stream.WriteString(address);
    if (!subject.empty()) {
        stream.WriteString("?Subject=");
        stream.WriteString(subject);
    }
    stream.WriteString("\n");
    // Index 0 is the mail program's own icon: no icon lines at all.
    if (iconIndex != 0) {
        stream.WriteString("IconFile=" + iconFilePath);
        stream.WriteString("\n");
        stream.WriteString("IconIndex=" + std::to_string(iconIndex) + "\n");
    }
}

std::string BuildShortcutPath(const std::string& folder, const std::string& name) {
    std::string path = folder;
    // A drive root already ends in "\"; the trail byte 0x5C of "ソ" or "表" does not.
    if (!mbtext::EndsWithChar(path, '\\')) {
        path += '\\';
    }
    path += name;
    path += ".url";
    return path;
}
