// The reader of a downloaded file's Zone.Identifier stream, on any bytes: a zone is a
// number of at most six digits, the first ZoneId of [ZoneTransfer] wins over anything
// after it, and an ASCII stream reads the same in UTF-16.
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/check.h"
#include "text/zone_identifier.h"

namespace {

bool IsAscii(const std::string& text) {
    for (const unsigned char byte : text) {
        if (byte >= 0x80) {
            return false;
        }
    }
    return true;
}

std::string AsUtf16WithMark(const std::string& ascii) {
    std::string wide = "\xFF\xFE";
    for (const char c : ascii) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> zoneId = zone::ZoneIdFromStream(text);
    FUZZ_CHECK(!zoneId || (*zoneId >= 0 && *zoneId <= 999999));

    // Only plain text gains lines this way: UTF-16 would take the bytes in pairs.
    const bool plain = text.compare(0, 2, "\xFF\xFE") != 0;
    if (plain) {
        FUZZ_CHECK(zone::ZoneIdFromStream("[ZoneTransfer]\r\nZoneId=5\r\n" + text) == 5);
        if (zoneId) {
            FUZZ_CHECK(zone::ZoneIdFromStream(text + "\n[ZoneTransfer]\nZoneId=7\n") == zoneId);
        }
    }
    if (IsAscii(text)) {
        FUZZ_CHECK(zone::ZoneIdFromStream(AsUtf16WithMark(text)) == zoneId);
    }
    return 0;
}
