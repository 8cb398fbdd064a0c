// The file system as the Create command sees it.
#pragma once

#include <memory>
#include <string>

#include "shortcut/text_stream.h"

// A shortcut file opened for writing (create-or-truncate, read sharing only).
class ShortcutFile : public TextStream {
public:
    // Flushes what is buffered and closes the file; throws FileError on failure.
    // After a failure (here or in WriteString) no further write is attempted, so the
    // error is raised only once.
    virtual void Close() = 0;
    // Closes without writing anything more and deletes the file, unless it has been
    // closed already. Never throws.
    virtual void Discard() = 0;
};

class ShortcutStore {
public:
    virtual ~ShortcutStore() = default;
    // True when a file or folder matches path; "?" and "*" in it act as wildcards.
    virtual bool Exists(const std::string& path) = 0;
    // True when both paths name the same file. Here: the same text; Windows also
    // compares short names and letters of either case as the same.
    virtual bool IsSamePath(const std::string& first, const std::string& second) {
        return first == second;
    }
    // Null when the file cannot be opened as a file on disk.
    virtual std::unique_ptr<ShortcutFile> Open(const std::string& path) = 0;
};
