#include "text/help_viewer_zone.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using zone::ViewerRefusal;

TEST(HelpViewerZone, AFileAboveTheMachinesLimitIsRefusedUnlessAnAllowedFolderHoldsIt) {
    struct Case {
        const char* path;
        bool onNetworkDrive;
        std::optional<int> markedZone;
        int maxAllowedZone;
        const char* allowList;
        ViewerRefusal expected;
    };
    const char* local = "C:\\ravlet\\ravlet.chm";
    const char* share = "\\\\files\\tools\\ravlet.chm";
    const Case cases[] = {
        // The mark against the limit, 0 when the machine sets none.
        {local, false, std::nullopt, 0, "", ViewerRefusal::None},
        {local, false, 0, 0, "", ViewerRefusal::None},
        {local, false, 1, 0, "", ViewerRefusal::Downloaded},
        {local, false, 2, 0, "", ViewerRefusal::Downloaded},
        {local, false, 2, 2, "", ViewerRefusal::None},
        {local, false, 3, 2, "", ViewerRefusal::Downloaded},
        {local, false, 4, 4, "", ViewerRefusal::None},
        {"\\\\?\\C:\\ravlet\\ravlet.chm", false, std::nullopt, 0, "", ViewerRefusal::None},
        {"\\\\.\\C:\\ravlet\\ravlet.chm", false, std::nullopt, 0, "", ViewerRefusal::None},
        {"\\\\.\\C:\\ravlet\\ravlet.chm", false, 3, 0, "c:\\RAVLET", ViewerRefusal::None},
        // A share: the intranet without a dot in the server's name, else the Internet.
        {share, false, std::nullopt, 0, "", ViewerRefusal::Network},
        {share, false, std::nullopt, 1, "", ViewerRefusal::None},
        {"\\\\?\\UNC\\files\\tools\\ravlet.chm", false, std::nullopt, 0, "",
         ViewerRefusal::Network},
        {"\\\\.\\UNC\\files\\tools\\ravlet.chm", false, std::nullopt, 0, "",
         ViewerRefusal::Network},
        {"\\\\?\\UNC\\files.example.jp\\tools\\ravlet.chm", false, std::nullopt, 2, "",
         ViewerRefusal::Network},
        {"\\\\?\\unc\\files.example.jp\\tools\\ravlet.chm", false, std::nullopt, 3, "",
         ViewerRefusal::None},
        {"\\\\files.example.jp\\tools\\ravlet.chm", false, std::nullopt, 2, "",
         ViewerRefusal::Network},
        {"\\\\192.168.0.5\\tools\\ravlet.chm", false, std::nullopt, 3, "", ViewerRefusal::None},
        {"N:\\tools\\ravlet.chm", true, std::nullopt, 0, "", ViewerRefusal::Network},
        {"N:\\tools\\ravlet.chm", true, std::nullopt, 1, "", ViewerRefusal::None},
        {share, false, 3, 1, "", ViewerRefusal::Downloaded},  // the mark counts too
        // A folder of the allow list, in any of its spellings, opens whatever the zone.
        {share, false, 3, 0, "\\\\files\\tools", ViewerRefusal::None},
        {share, false, std::nullopt, 0, "file://\\\\FILES\\tools\\", ViewerRefusal::None},
        {share, false, std::nullopt, 0, "file://files/tools", ViewerRefusal::None},
        {share, false, std::nullopt, 0, "FILE://FILES/tools", ViewerRefusal::None},
        {"\\\\?\\UNC\\files\\tools\\ravlet.chm", false, std::nullopt, 0, "File://files/tools/",
         ViewerRefusal::None},
        {share, false, std::nullopt, 0, "\\\\files\\tool", ViewerRefusal::Network},
        {share, false, std::nullopt, 0, "\\\\files\\tools\\ravlet.chm", ViewerRefusal::None},
        {local, false, 3, 0, "C:\\other; C:\\RAVLET ", ViewerRefusal::None},
        {local, false, 3, 0, "file:///C:/ravlet/", ViewerRefusal::None},
        {local, false, 3, 0, "FILE:///c:/ravlet", ViewerRefusal::None},
        {local, false, 3, 0, ";;\\", ViewerRefusal::Downloaded},
        {local, false, 3, 0, "http://example.jp/", ViewerRefusal::Downloaded},
        // Whole characters: the trail byte "\" of "表" (95 5C) stays, and the trail
        // byte "A" of "ア" (83 41) is not "a".
        {"C:\\\x95\x5C\\ravlet.chm", false, 3, 0, "C:\\\x95\x5C", ViewerRefusal::None},
        {"C:\\\x95\x5C\\ravlet.chm", false, 3, 0, "C:\\\x95\x5C\\", ViewerRefusal::None},
        {"C:\\\x83\x61\\ravlet.chm", false, 3, 0, "C:\\\x83\x41", ViewerRefusal::Downloaded},
        {"C:\\\x83\x5C\x83\x74\\ravlet.chm", false, 3, 0, "C:\\\x83\x5C",
         ViewerRefusal::Downloaded},
    };
    for (const Case& c : cases) {
        zone::HelpFilePlace place;
        place.path = c.path;
        place.onNetworkDrive = c.onNetworkDrive;
        place.markedZone = c.markedZone;
        place.maxAllowedZone = c.maxAllowedZone;
        place.allowList = c.allowList;
        EXPECT_EQ(zone::ViewerRefusalFor(place), c.expected)
            << c.path << " mark " << c.markedZone.value_or(-1) << " limit " << c.maxAllowedZone
            << " allowed " << c.allowList;
    }
}

}  // namespace
