#include "framework/whole_file_write.h"

#include <algorithm>

#include "framework/path_names.h"

namespace {

constexpr wchar_t kNewSuffix[] = L".ravlet-new";
constexpr wchar_t kBackupSuffix[] = L".ravlet-old";

DWORD AttributesOf(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

// A name that is no file name (a "?" in it) names nothing there either.
bool Exists(const std::wstring& path) {
    return AttributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

// GetFileAttributesW reports the link itself, not what it points at.
bool IsLink(const std::wstring& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A leftover may be read-only or hidden, which would stop the delete or a CREATE_ALWAYS.
void RemoveLeftover(const std::wstring& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

WholeFileResult Fail(DWORD error) {
    return {WholeFileOutcome::Failed, error == ERROR_SUCCESS ? ERROR_GEN_FAILURE : error};
}

// The new file, open until it has been written and flushed.
class NewFile {
public:
    explicit NewFile(std::wstring path) : path_(std::move(path)) {}
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    // Whatever did not take the target's place goes.
    ~NewFile() {
        Close();
        if (!moved_) {
            DeleteFileW(path_.c_str());
        }
    }

    // ERROR_SUCCESS, or why the bytes are not all on the disk.
    DWORD Write(std::string_view bytes) {
        RemoveLeftover(path_);
        // A fresh file of our own: CREATE_NEW never writes through a link someone left
        // under the name. No hidden or temporary attribute, as the target keeps what
        // the new file has. Readers (a virus scanner) may look at it; nobody writes.
        // The security flags stop a named pipe behind the path from acting as the user.
        handle_ = CreateFileW(
            path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            // The name was ours only if we made it.
            moved_ = true;
            return error;
        }
        // A device would swallow the content.
        if (GetFileType(handle_) != FILE_TYPE_DISK) {
            return ERROR_INVALID_NAME;
        }
        size_t done = 0;
        while (done < bytes.size()) {
            DWORD written = 0;
            const DWORD size = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
            if (!WriteFile(handle_, bytes.data() + done, size, &written, nullptr)) {
                return GetLastError();
            }
            if (written == 0) {
                return ERROR_WRITE_FAULT;
            }
            done += written;
        }
        if (!FlushFileBuffers(handle_)) {
            return GetLastError();
        }
        return ERROR_SUCCESS;
    }

    // ERROR_SUCCESS once the handle is closed without error.
    DWORD Close() {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return ERROR_SUCCESS;
        }
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) ? ERROR_SUCCESS : GetLastError();
    }

    // The file now carries the target's name; nothing is left to remove.
    void Moved() { moved_ = true; }
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool moved_ = false;
};

WholeFileResult MakeNewTarget(NewFile& file, const std::wstring& target) {
    // Without MOVEFILE_REPLACE_EXISTING: a file that appeared meanwhile is not ours.
    if (MoveFileExW(file.path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        file.Moved();
        return {WholeFileOutcome::Written, ERROR_SUCCESS};
    }
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        return {IsLink(target) ? WholeFileOutcome::TargetIsLink : WholeFileOutcome::TargetAppeared,
                error};
    }
    return Fail(error);
}

WholeFileResult ReplaceTarget(NewFile& file, const std::wstring& target) {
    const std::wstring backup = BackupFileBeside(target);
    RemoveLeftover(backup);
    if (ReplaceFileW(target.c_str(), file.path().c_str(), backup.c_str(), 0, nullptr, nullptr)) {
        file.Moved();
        DeleteFileW(backup.c_str());
        return {WholeFileOutcome::Written, ERROR_SUCCESS};
    }
    const DWORD error = GetLastError();
    switch (DecideAfterReplaceFailure(error, Exists(target))) {
        case AfterReplaceFailure::MakeNew:
            return MakeNewTarget(file, target);
        case AfterReplaceFailure::RestoreFromBackup:
            // Before anything else: the user's file must not stay under our name.
            MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
            break;
        case AfterReplaceFailure::KeepTarget:
            break;
    }
    return Fail(error);
}

}  // namespace

std::wstring NewFileBeside(const std::wstring& target) {
    return NameBeside(target, kNewSuffix);
}

std::wstring BackupFileBeside(const std::wstring& target) {
    return NameBeside(target, kBackupSuffix);
}

AfterReplaceFailure DecideAfterReplaceFailure(DWORD error, bool targetStillThere) {
    // Only here has ReplaceFileW moved the target away without putting the new file
    // in its place (Microsoft's page on ReplaceFile).
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        return AfterReplaceFailure::RestoreFromBackup;
    }
    // 1175 and 1176 leave both files under their own names, as does every error that
    // comes before the swap; a target gone by then was taken away by someone else.
    return targetStillThere ? AfterReplaceFailure::KeepTarget : AfterReplaceFailure::MakeNew;
}

WholeFileResult WriteFileWhole(const std::wstring& target, std::string_view bytes,
                               bool replaceExisting, const NewFileCheck& check) {
    // Replacing a link would cut it, leaving what it points at as it was.
    if (IsLink(target)) {
        return {WholeFileOutcome::TargetIsLink, ERROR_SUCCESS};
    }
    // A folder under the name is never replaced by a file.
    const DWORD attributes = AttributesOf(target);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    if (!replaceExisting && Exists(target)) {
        return {WholeFileOutcome::TargetAppeared, ERROR_ALREADY_EXISTS};
    }
    NewFile file(NewFileBeside(target));
    if (const DWORD error = file.Write(bytes)) {
        return Fail(error);
    }
    if (const DWORD error = file.Close()) {
        return Fail(error);
    }
    // Closed first: Windows' own readers (the profile functions) may not share a file
    // open for writing.
    if (check && !check(file.path())) {
        return {WholeFileOutcome::CheckFailed, ERROR_SUCCESS};
    }
    // Looked at again: the target may have become a link, or vanished, since.
    if (IsLink(target)) {
        return {WholeFileOutcome::TargetIsLink, ERROR_SUCCESS};
    }
    if (!Exists(target)) {
        return MakeNewTarget(file, target);
    }
    if (!replaceExisting) {
        return {WholeFileOutcome::TargetAppeared, ERROR_ALREADY_EXISTS};
    }
    return ReplaceTarget(file, target);
}
