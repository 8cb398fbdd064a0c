// The file system as the Create command sees it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shortcut/windows_profile_reading.h"
#include "text/code_page_spelling.h"
#include "text/system_code_page.h"

// What became of a shortcut written whole.
enum class ShortcutWriteOutcome {
    Written,
    // Meant as a new file, but a file has appeared under the name since: nothing was
    // written, and the user is asked before it is replaced.
    TargetAppeared,
    // The disk filled while the new content was written; the old file is untouched.
    DiskFull,
    // The check of the new content read back from the disk said no; nothing replaced.
    CheckFailed,
    // Anything else: the file is shared, read-only or a link, the folder refuses a new
    // file, the name is no file. The old file is untouched.
    Refused,
};

// Given the bytes of the new file as read back from the disk and what Windows' profile
// functions read from it, before it takes the target's place; false keeps the target
// as it was.
using WrittenShortcutCheck =
    std::function<bool(std::string_view bytesOnDisk, const WindowsProfileReading& windows)>;

// A shortcut file as it is on disk at one moment.
struct StoredShortcut {
    std::string bytes;
    WindowsProfileReading windows;
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
    // Writes bytes as the whole file at path, or nothing at all. replaceExisting says
    // the user agreed to replace a file there; without it an existing file gives
    // TargetAppeared.
    virtual ShortcutWriteOutcome WriteWhole(const std::string& path, std::string_view bytes,
                                            bool replaceExisting,
                                            const WrittenShortcutCheck& check) = 0;
    // The file at path as it is now, or nullopt when it cannot be read.
    virtual std::optional<StoredShortcut> Read(const std::string& path) = 0;
    // The program's code page 932.
    virtual const CodePageSpelling& Spelling() const = 0;
    // The code page the system reads the files in; nullptr for code page 932 itself.
    virtual const SystemCodePage* System() const { return nullptr; }
};
