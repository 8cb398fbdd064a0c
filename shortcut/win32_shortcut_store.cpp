#include "shortcut/win32_shortcut_store.h"

#include <windows.h>

#include "framework/exact_ansi.h"
#include "framework/file_bytes.h"
#include "framework/file_find.h"
#include "framework/whole_file_write.h"
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

ShortcutWriteOutcome Win32ShortcutStore::WriteWhole(const std::string& path, std::string_view bytes,
                                                    bool replaceExisting,
                                                    const WrittenShortcutCheck& check) {
    NewFileCheck readBack;
    if (check) {
        readBack = [&check, &bytes](const std::wstring& newFile) {
            // One byte more than was written tells a file that grew.
            const auto onDisk = ReadFileStart(newFile, bytes.size() + 1);
            return onDisk && check(*onDisk, ReadAsWindowsDoes(newFile));
        };
    }
    // The path is code page 932 text, whatever the system's code page.
    const WholeFileResult result =
        WriteFileWhole(WideFromAnsi(path), bytes, replaceExisting, readBack);
    switch (result.outcome) {
        case WholeFileOutcome::Written:
            return ShortcutWriteOutcome::Written;
        case WholeFileOutcome::TargetAppeared:
            return ShortcutWriteOutcome::TargetAppeared;
        case WholeFileOutcome::CheckFailed:
            return ShortcutWriteOutcome::CheckFailed;
        case WholeFileOutcome::TargetIsLink:
            return ShortcutWriteOutcome::Refused;
        case WholeFileOutcome::Failed:
            break;
    }
    return result.error == ERROR_DISK_FULL || result.error == ERROR_HANDLE_DISK_FULL
               ? ShortcutWriteOutcome::DiskFull
               : ShortcutWriteOutcome::Refused;
}

std::optional<StoredShortcut> Win32ShortcutStore::Read(const std::string& path) {
    const std::wstring wide = WideFromAnsi(path);
    std::optional<std::string> bytes = ReadShortcutFileBytes(wide);
    if (!bytes) {
        return std::nullopt;
    }
    return StoredShortcut{std::move(*bytes), ReadAsWindowsDoes(wide)};
}
