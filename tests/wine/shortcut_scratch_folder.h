// A folder of its own for each test of shortcut files, removed with everything in it.
#pragma once

#include <windows.h>

#include <string>

class ScratchFolder {
public:
    // Creates parent\name; an earlier run's leftovers are removed first.
    ScratchFolder(const std::string& parent, const std::string& name) : path_(parent + name) {
        RemoveTree(path_);
        created_ = CreateDirectoryA(path_.c_str(), nullptr) != FALSE;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() { RemoveTree(path_); }

    bool created() const { return created_; }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    static void RemoveTree(const std::string& path) {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") {
                    continue;
                }
                const std::string child = path + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path.c_str());
    }

private:
    std::string path_;
    bool created_ = false;
};

// The whole content of a file, or "<missing>" when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    std::string content;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        content.append(chunk, read);
    }
    CloseHandle(file);
    return content;
}

// Files and folders in a folder, without "." and "..".
inline int EntriesIn(const std::string& folder) {
    int entries = 0;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        const std::string name = found.cFileName;
        entries += name != "." && name != "..";
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entries;
}

inline bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
