// A write, flush or close of a file failed after the file was opened. It carries the
// full path; the dialog layer reports it once per window message.
#pragma once

#include <stdexcept>
#include <string>

class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& path) : std::runtime_error(path), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};
