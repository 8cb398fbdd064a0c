#include "shortcut/win32_shortcut_store.h"

#include <windows.h>

#include "framework/file_find.h"
#include "shortcut/win32_shortcut_file.h"
#include "shortcut/win32_shortcut_file_reading.h"

bool Win32ShortcutStore::Exists(const std::string& path) {
    // A search rather than an attribute query: folders count too, and "?" and "*"
    // in a typed name match whatever they match in a search.
    CFileFind search;
    return search.FindFile(path);
}

bool Win32ShortcutStore::IsSamePath(const std::string& first, const std::string& second) {
    return IsSameShortcutPath(first, second);
}

std::unique_ptr<ShortcutFile> Win32ShortcutStore::Open(const std::string& path) {
    return Win32ShortcutFile::Open(path);
}
