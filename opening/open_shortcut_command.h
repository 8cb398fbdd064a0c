// Opening a .url file to change it: the form fills from the file and its folder is
// selected, or a box says why the file cannot be opened and nothing changes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "destinations/destination_list.h"
#include "shortcut/shortcut_form.h"
#include "shortcut/shortcut_rewrite.h"
#include "shortcut/windows_profile_reading.h"
#include "text/code_page_spelling.h"
#include "text/system_code_page.h"

struct ShortcutFileToOpen {
    std::string path;
    // The file's bytes, or nullopt when it could not be read.
    std::optional<std::string> bytes;
    // Below the temporary folder (a shortcut opened from inside a zip): the fields fill
    // and the destination list is left alone.
    bool belowTemporaryFolder = false;
    // The same file as Windows' own profile functions read it.
    WindowsProfileReading windows;
};

// The fields are replaced, the name follows the file and stops following the address,
// and the icon index is the shortcut's envelope (0 for the standard icon or an icon of
// its own). Input still pending is replaced only after a question that every refusal
// comes before; a No changes nothing. The opened fields leave nothing pending.
// Returns what writing the file again keeps, or nullopt when it was refused.
std::optional<ShortcutRewrite> RunOpenShortcutCommand(ShortcutForm& form,
                                                      DestinationList& destinations,
                                                      const ShortcutFileToOpen& file,
                                                      const CodePageSpelling& spelling,
                                                      const SystemCodePage* system = nullptr);

// A path dropped on the dialog or given as the program's argument, as the system
// found it.
struct HandedOverPath {
    // The path in the code page, or nullopt when a character has no counterpart there.
    std::optional<std::string> path;
    // Known also for a path the code page cannot spell, so that its box can say which.
    bool isFolder = false;
    // For a file: its bytes, or nullopt when it could not be read, and what Windows'
    // profile functions read from it.
    std::optional<std::string> bytes;
    bool belowTemporaryFolder = false;
    WindowsProfileReading windows;
};

// count items handed over at once. Several get the one-at-a-time box; one folder is
// selected, added first when the list does not hold it; one file opens as a shortcut.
// describe gives the facts of the one item, and is asked only when there is one.
// Returns what writing an opened shortcut again keeps, or nullopt when none was opened.
std::optional<ShortcutRewrite> RunOpenHandedOverCommand(
    ShortcutForm& form, DestinationList& destinations, size_t count,
    const std::function<HandedOverPath()>& describe, const CodePageSpelling& spelling,
    const SystemCodePage* system = nullptr);
