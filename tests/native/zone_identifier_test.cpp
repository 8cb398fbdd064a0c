#include "text/zone_identifier.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(ZoneIdentifier, TheZoneTransferZoneIdDecidesWhetherAFileCameFromTheInternet) {
    struct Case {
        std::string stream;
        std::optional<int> zoneId;
        bool downloaded;
    };
    // Written by a tool that saves UTF-16 with a byte order mark.
    std::string utf16Zone3 = "\xFF\xFE";
    for (const char16_t c : std::u16string(u"[ZoneTransfer]\r\nZoneId=3\r\n")) {
        utf16Zone3 += static_cast<char>(c & 0xFF);
        utf16Zone3 += static_cast<char>(c >> 8);
    }
    const Case cases[] = {
        {"", std::nullopt, false},
        {"[ZoneTransfer]\r\nZoneId=0\r\n", 0, false},
        {"[ZoneTransfer]\r\nZoneId=1\r\n", 1, false},
        {"[ZoneTransfer]\r\nZoneId=2\r\n", 2, false},
        {"[ZoneTransfer]\r\nZoneId=3\r\n", 3, true},
        {"[ZoneTransfer]\r\nZoneId=4\r\n", 4, true},
        // What a browser writes: extra keys around the zone.
        {"[ZoneTransfer]\r\nZoneId=3\r\nReferrerUrl=https://example.jp/\r\n"
         "HostUrl=https://example.jp/ravlet.zip\r\n",
         3, true},
        {"[ZoneTransfer]\r\nReferrerUrl=https://example.jp/?ZoneId=0\r\nZoneId=3", 3, true},
        {"\xEF\xBB\xBF[zonetransfer]\nzoneid = 3 \n", 3, true},
        {"  [ ZoneTransfer ]  \r\n\tZoneId\t=\t4\r\n", 4, true},
        {utf16Zone3, 3, true},
        {"[ZoneTransfer]\r\nZoneId=0\r\nZoneId=3\r\n", 0, false},  // the first one counts
        // Malformed: no section, another section, no number.
        {"ZoneId=3\r\n", std::nullopt, false},
        {"[Other]\r\nZoneId=3\r\n[ZoneTransfer]\r\n", std::nullopt, false},
        {"[ZoneTransfer]\r\nZoneId=\r\n", std::nullopt, false},
        {"[ZoneTransfer]\r\nZoneId=three\r\n", std::nullopt, false},
        {"[ZoneTransfer]\r\nZoneId=-1\r\n", std::nullopt, false},
        {"[ZoneTransfer]\r\nZoneId=3x\r\n", std::nullopt, false},
        {"[ZoneTransfer]\r\nZoneId=99999999999999999999\r\n", std::nullopt, false},
        {"[ZoneTransfer\r\nZoneId=3\r\n", std::nullopt, false},
        {std::string("\0\0\0\0", 4), std::nullopt, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zone::ZoneIdFromStream(c.stream), c.zoneId) << c.stream;
        EXPECT_EQ(zone::MarksAsDownloaded(c.stream), c.downloaded) << c.stream;
    }
}

}  // namespace
