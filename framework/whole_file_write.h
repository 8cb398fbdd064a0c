// Writing a file whole or not at all. The new content goes to "<target>.ravlet-new" in
// the target's own folder and is flushed to the disk; then it takes the target's place
// in one step: ReplaceFileW for a file that exists (which keeps the target's attributes,
// security and streams), MoveFileExW for a new one. Whatever fails, the target is what
// it was and the new file is gone.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

enum class WholeFileOutcome {
    Written,
    // The caller meant to make a new file and one has appeared under the name since:
    // nothing was written. A shortcut asks the user again; the settings read, merge
    // and write again.
    TargetAppeared,
    // The target is a symbolic link or another reparse point, which is never replaced.
    TargetIsLink,
    // The check of the new file said no: nothing was replaced.
    CheckFailed,
    // Anything else; error is Windows' code (ERROR_DISK_FULL, ERROR_SHARING_VIOLATION,
    // ERROR_ACCESS_DENIED, ...).
    Failed,
};

struct WholeFileResult {
    WholeFileOutcome outcome = WholeFileOutcome::Failed;
    DWORD error = ERROR_SUCCESS;
};

// Called with the new file's path after it is flushed and closed, before it replaces
// the target; false stops the write. The path may be in the "\\?\" form, which not every
// function takes (the profile functions do not).
using NewFileCheck = std::function<bool(const std::wstring& newFile)>;

// Writes bytes as they are (no line-end translation) in place of target. With
// replaceExisting the caller may replace a file under the target's name (the user said
// yes, or the settings save under its lock); without it, a file there gives
// TargetAppeared. A target that vanished meanwhile is made new.
WholeFileResult WriteFileWhole(const std::wstring& target, std::string_view bytes,
                               bool replaceExisting, const NewFileCheck& check = {});

// The names beside the target: the new content, and the old file while ReplaceFileW
// swaps them. Leftovers of either, from a crash, are replaced by the next write. Each is
// the target's name with a suffix; where that passes MAX_PATH, which the target itself
// may reach, it is in the "\\?\" form of the full name (NameBeside).
std::wstring NewFileBeside(const std::wstring& target);
std::wstring BackupFileBeside(const std::wstring& target);

// What is left to do after ReplaceFileW failed with error.
enum class AfterReplaceFailure {
    // The target is unchanged under its own name.
    KeepTarget,
    // The target lies under the backup name: move it back at once.
    RestoreFromBackup,
    // The target vanished: make it new.
    MakeNew,
};
AfterReplaceFailure DecideAfterReplaceFailure(DWORD error, bool targetStillThere);
