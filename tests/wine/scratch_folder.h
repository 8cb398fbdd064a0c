// A folder of its own for one test, removed with everything in it afterwards, and the
// small file helpers the tests share.
#pragma once

#include <windows.h>

#include <string>

class ScratchFolder {
public:
    // A new folder under the temporary folder.
    ScratchFolder() {
        static int serial = 0;
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "ravlet-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        Create();
    }
    // parent + name; an earlier run's leftovers are removed first.
    ScratchFolder(const std::string& parent, const std::string& name) : path_(parent + name) {
        RemoveTree(path_);
        Create();
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() { RemoveTree(path_); }

    bool created() const { return created_; }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") {
                    continue;
                }
                const std::string child = folder + "\\" + name;
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

private:
    void Create() { created_ = CreateDirectoryA(path_.c_str(), nullptr) != FALSE; }

    std::string path_;
    bool created_ = false;
};

// Creates a file with the given bytes; true on success.
inline bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

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
