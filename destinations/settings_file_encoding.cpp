#include "destinations/settings_file_encoding.h"

ini::Encoding NewSettingsFileEncoding(const SystemCodePage& system) {
    return system.ReadsShiftJis() ? ini::Encoding::CodePage : ini::Encoding::Utf16LeWithMark;
}
