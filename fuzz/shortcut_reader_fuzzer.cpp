// A .url file of any bytes, read to be changed. Whatever it holds, the reader never
// fails in memory, the fields it fills carry no control byte but the body's line
// breaks and tabs, and the lines it keeps read back as the same lines once written.
#include <cstdint>
#include <string>

#include "fuzz/check.h"
#include "shortcut/shortcut_reader.h"
#include "tests/native/iconv_code_page_spelling.h"
#include "text/multibyte.h"
#include "text/shift_jis_system_code_page.h"

namespace {

class StringStream : public TextStream {
public:
    void WriteString(std::string_view text) override { bytes.append(text); }
    std::string bytes;
};

void CheckNoControlBytes(const std::string& value, bool body) {
    for (size_t pos = 0; pos < value.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(value[pos]);
        if (body && (byte == '\t' || byte == '\n')) {
            continue;
        }
        if (body && byte == '\r') {
            FUZZ_CHECK(pos + 1 < value.size() && value[pos + 1] == '\n');
            continue;
        }
        FUZZ_CHECK(!mbtext::IsControlByte(byte));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const IconvCodePageSpelling spelling;
    const ShortcutReading reading = ReadShortcut(bytes, spelling);
    const auto* opened = std::get_if<OpenedShortcut>(&reading);
    if (opened == nullptr) {
        return 0;
    }
    const MailtoMessage& message = opened->message;
    for (const std::string* value :
         {&message.address, &message.subject, &message.cc, &message.bcc}) {
        CheckNoControlBytes(*value, false);
    }
    CheckNoControlBytes(message.body, true);
    FUZZ_CHECK(opened->iconIndex >= 0 && opened->iconIndex <= 5);
    FUZZ_CHECK(!(opened->keepsOwnIcon && opened->iconIndex != 0));

    // Written after the program's own lines and read again, the kept lines are the same.
    StringStream rewritten;
    rewritten.WriteString("[InternetShortcut]\nURL=mailto:a@b.jp\n");
    WriteKeptLines(rewritten, opened->lines, false);
    const std::optional<ShortcutFileLines> read =
        ReadShortcutLines(rewritten.bytes, ShiftJisSystemCodePage(spelling));
    FUZZ_CHECK(read.has_value());
    const ShortcutFileLines& again = *read;
    FUZZ_CHECK(again.keptLines == opened->lines.keptLines);
    FUZZ_CHECK(again.url == std::u16string(u"mailto:a@b.jp"));
    FUZZ_CHECK(!again.iconFile && !again.urlA && !again.urlW);
    for (const std::string& line : opened->lines.keptLines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    }
    return 0;
}
