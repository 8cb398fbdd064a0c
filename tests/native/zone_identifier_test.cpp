#include "text/zone_identifier.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// The text as a tool that saves UTF-16 with a byte order mark writes it.
std::string Utf16(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

TEST(ZoneIdentifier, TheFirstZoneIdOfTheZoneTransferSectionIsTheZone) {
    struct Case {
        std::string stream;
        std::optional<int> zoneId;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"[ZoneTransfer]\r\nZoneId=0\r\n", 0},
        {"[ZoneTransfer]\r\nZoneId=2\r\n", 2},
        // What a browser writes: extra keys around the zone.
        {"[ZoneTransfer]\r\nZoneId=3\r\nReferrerUrl=https://example.jp/\r\n"
         "HostUrl=https://example.jp/ravlet.zip\r\n",
         3},
        {"[ZoneTransfer]\r\nReferrerUrl=https://example.jp/?ZoneId=0\r\nZoneId=3", 3},
        {"\xEF\xBB\xBF[zonetransfer]\nzoneid = 3 \n", 3},
        {"  [ ZoneTransfer ]  \r\n\tZoneId\t=\t4\r\n", 4},
        {Utf16(u"[ZoneTransfer]\r\nZoneId=3\r\n"), 3},
        {"[ZoneTransfer]\r\nZoneId=0\r\nZoneId=3\r\n", 0},  // the first one counts
        {"[ZoneTransfer]\r\nZoneId=999999\r\n", 999999},    // six digits still count
        // Not a zone: no section, another section, no number.
        {"ZoneId=3\r\n", std::nullopt},
        {"[Other]\r\nZoneId=3\r\n[ZoneTransfer]\r\n", std::nullopt},
        {"[ZoneTransfer]\r\nHostUrl=x\r\n[Other]\r\nZoneId=3\r\n", std::nullopt},
        {"[ZoneTransfer]\r\n[]\r\nZoneId=3\r\n", std::nullopt},
        {"[ZoneTransfer]\r\nZoneIdOld=3\r\n", std::nullopt},
        {"[ZoneTransfer]\r\nZoneId=\r\n", std::nullopt},
        {"[ZoneTransfer]\r\nZoneId=three\r\n", std::nullopt},
        {"[ZoneTransfer]\r\nZoneId=-1\r\n", std::nullopt},
        {"[ZoneTransfer]\r\nZoneId=3x\r\n", std::nullopt},
        {"[ZoneTransfer]\r\nZoneId=1000000\r\n", std::nullopt},
        {"[ZoneTransfer]\r\nZoneId=99999999999999999999\r\n", std::nullopt},
        {"[ZoneTransfer\r\nZoneId=3\r\n", std::nullopt},
        // "ĳ" (U+0133) has the low byte of "3" but is no digit.
        {Utf16(u"[ZoneTransfer]\r\nZoneId=\u0133\r\n"), std::nullopt},
        {std::string("\0\0\0\0", 4), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zone::ZoneIdFromStream(c.stream), c.zoneId) << c.stream;
    }
}

}  // namespace
