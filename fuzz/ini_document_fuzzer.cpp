// Any bytes read as an INI file. A file that is read writes back as the same bytes, and
// setting a key changes only the key's own line (or adds it, and its section): every
// other line stays, in order, with its line end.
#include <cstdint>
#include <string>

#include "fuzz/check.h"
#include "ini/ini_document.h"
#include "tests/native/iconv_code_page_spelling.h"

namespace {

struct KeptLine {
    std::string text;
    std::string end;
};

std::vector<KeptLine> Lines(const ini::Document& document) {
    std::vector<KeptLine> lines;
    for (size_t line = 0; line < document.LineCount(); ++line) {
        lines.push_back({std::string(document.Raw(line)), std::string(document.End(line))});
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    auto parsed = ini::Document::Parse(bytes);
    auto* document = std::get_if<ini::Document>(&parsed);
    if (!document) {
        return 0;
    }
    FUZZ_CHECK(document->Bytes() == bytes);
    std::vector<KeptLine> before = Lines(*document);
    const IconvCodePageSpelling spelling;
    const size_t oldKey = document->FindKey("COMBO_BOX", "MENU_000");
    FUZZ_CHECK(document->SetText("COMBO_BOX", "MENU_000", "C:\\x", spelling));
    const size_t key = document->FindKey("COMBO_BOX", "MENU_000");
    FUZZ_CHECK(key != ini::kNoLine);
    FUZZ_CHECK(document->ValueText(key, spelling) == std::string("C:\\x"));
    if (oldKey != ini::kNoLine) {
        FUZZ_CHECK(key == oldKey);
    }

    // The lines after the set, less the key's line and a header added for it, are the
    // lines before, less the key's old line; only a line that had no end may have
    // gained one.
    std::vector<KeptLine> after = Lines(*document);
    after.erase(after.begin() + static_cast<std::ptrdiff_t>(key));
    if (oldKey != ini::kNoLine) {
        before.erase(before.begin() + static_cast<std::ptrdiff_t>(oldKey));
    } else if (document->SectionOf(key) == key - 1 && after.size() == before.size() + 1) {
        after.erase(after.begin() + static_cast<std::ptrdiff_t>(key - 1));
    }
    FUZZ_CHECK(after.size() == before.size());
    for (size_t line = 0; line < before.size(); ++line) {
        FUZZ_CHECK(after[line].text == before[line].text);
        FUZZ_CHECK(after[line].end == before[line].end || before[line].end.empty());
    }

    // What is written reads back as the same document. Without a mark, the encoding is
    // a guess from the bytes: code-page text that lost its last sequence UTF-8 cannot
    // hold may now pass for UTF-8 (as it would in Notepad), and UTF-8 that lost its last
    // byte beyond ASCII is ASCII.
    const std::string written = document->Bytes();
    auto reread = ini::Document::Parse(written);
    auto* again = std::get_if<ini::Document>(&reread);
    FUZZ_CHECK(again && again->Bytes() == written);
    if (again->encoding() == document->encoding()) {
        FUZZ_CHECK(again->FindKey("COMBO_BOX", "MENU_000") == key);
    } else {
        const auto guessed = [](ini::Encoding encoding) {
            return encoding == ini::Encoding::CodePage || encoding == ini::Encoding::Utf8;
        };
        FUZZ_CHECK(guessed(document->encoding()) && guessed(again->encoding()));
    }
    return 0;
}
