// The encoding of a settings file the program makes where it copies none. A file that
// exists keeps its own encoding, and a copy the encoding of the file it copies.
#pragma once

#include "ini/ini_encoding.h"
#include "text/system_code_page.h"

// Code-page text where the system reads it as such, every byte as earlier versions
// wrote it; elsewhere UTF-16 with its byte-order mark, which Notepad and the profile
// functions of any locale read right, where code-page text would show the folders
// garbled.
ini::Encoding NewSettingsFileEncoding(const SystemCodePage& system);
