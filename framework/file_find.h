// A search for files, closed when its owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/exact_ansi.h"

class CFileFind {
public:
    // Starts a search; "?" and "*" in pattern are wildcards. False when nothing matches.
    // The search runs in UTF-16: the ANSI one fails on a match whose ANSI name is too
    // long for its buffer, and a file missed here would be replaced without a question.
    bool FindFile(const std::string& pattern) {
        const HANDLE search = FindFirstFileW(WideFromAnsi(pattern).c_str(), &found_);
        search_.reset(search == INVALID_HANDLE_VALUE ? nullptr : search);
        return search_ != nullptr;
    }
    // Moves on to the next match; false when there is none.
    bool FindNext() { return search_ && FindNextFileW(search_.get(), &found_) != FALSE; }
    // Whether the current match is a folder ("." and ".." are).
    bool IsDirectory() const { return (found_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

private:
    struct SearchCloser {
        void operator()(HANDLE search) const { FindClose(search); }
    };

    std::unique_ptr<void, SearchCloser> search_;
    WIN32_FIND_DATAW found_{};
};
