// A settings file read whole, as the start and every save read it under its lock.
#pragma once

#include <optional>
#include <string>

#include "ini/ini_document.h"

struct SettingsFileContent {
    // The file's lines; a document without lines for a missing file (code-page text: a
    // save chooses the encoding of a file it makes). Nullopt for a file that could not
    // be read, or that is left alone (see refusal).
    std::optional<ini::Document> document;
    bool exists = false;
    // A file over 1 MiB, or one holding NUL bytes outside UTF-16: nothing is read from
    // it and nothing is saved into it.
    std::optional<ini::Refusal> refusal;
};

// An empty path is no file: a document without lines.
SettingsFileContent ReadSettingsFileContent(const std::string& path);
