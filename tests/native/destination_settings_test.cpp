// How the destination list reads and writes the settings file's "COMBO_BOX" section.
#include <gtest/gtest.h>

#include <algorithm>

#include "destinations/destination_list.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/shared/settings_keys.h"

namespace {

class DestinationSettingsTest : public ::testing::Test {
protected:
    void SaveFolders(int n) {
        for (int i = 0; i < n; ++i) {
            settings.values[MenuKey(i)] = R"(D:\saved)" + std::to_string(i);
        }
    }

    FakeDropDownList view;
    MemoryProfileSection settings;
    DestinationList list{view};
};

TEST_F(DestinationSettingsTest, LoadReadsTheFoldersInKeyOrderAndThenTheSelection) {
    SaveFolders(2);
    list.Fill(WellKnown(3), settings);
    EXPECT_EQ(settings.log, (std::vector<std::string>{"read MENU_000", "read MENU_001",
                                                      "read MENU_002", "read SELECT"}));
}

TEST_F(DestinationSettingsTest, LoadStopsAtTheFirstEmptyKey) {
    struct Case {
        std::map<std::string, std::string> values;
        int loaded;
    };
    const Case cases[] = {
        {{}, 0},
        {{{"MENU_001", "D:\\b"}}, 0},
        {{{"MENU_000", ""}, {"MENU_001", "D:\\b"}}, 0},
        {{{"MENU_000", "D:\\a"}, {"MENU_001", "D:\\b"}, {"MENU_003", "D:\\d"}}, 2},
    };
    for (const Case& c : cases) {
        FakeDropDownList view;
        MemoryProfileSection settings;
        settings.values = c.values;
        DestinationList list{view};
        list.Fill(WellKnown(4), settings);
        EXPECT_EQ(list.count(), 4 + c.loaded);
    }
}

TEST_F(DestinationSettingsTest, LoadStopsWhenTheListIsFull) {
    struct Case {
        int wellKnown;
        int loaded;
    };
    for (const Case& c : {Case{4, 16}, Case{3, 17}, Case{0, 20}}) {
        FakeDropDownList view;
        MemoryProfileSection settings;
        for (int i = 0; i < 25; ++i) {
            settings.values[MenuKey(i)] = R"(D:\saved)" + std::to_string(i);
        }
        DestinationList list{view};
        list.Fill(WellKnown(c.wellKnown), settings);

        EXPECT_EQ(list.count(), 20);
        EXPECT_EQ(list.path(19), R"(D:\saved)" + std::to_string(c.loaded - 1));
        // Nothing past the last folder that fits is even read.
        EXPECT_EQ(std::count(settings.log.begin(), settings.log.end(), "read " + MenuKey(c.loaded)),
                  0);
        EXPECT_EQ(settings.log.back(), "read SELECT");
    }
}

TEST_F(DestinationSettingsTest, LoadSelectsTheSavedItemWhenItExistsAndItemZeroOtherwise) {
    struct Case {
        const char* saved;  // nullptr: no SELECT key
        int selected;
    };
    const Case cases[] = {{nullptr, 0}, {"0", 0}, {"2", 2},  {"5", 5},
                          {"6", 0},     {"7", 0}, {"-1", 0}, {"-100", 0}};
    for (const Case& c : cases) {
        FakeDropDownList view;
        MemoryProfileSection settings;
        settings.values = {{"MENU_000", "D:\\a"}, {"MENU_001", "D:\\b"}};
        if (c.saved) {
            settings.values["SELECT"] = c.saved;
        }
        DestinationList list{view};
        list.Fill(WellKnown(4), settings);  // 6 items
        EXPECT_EQ(view.selected, c.selected) << (c.saved ? c.saved : "none");
    }
}

TEST_F(DestinationSettingsTest, SaveWritesTheUserFoldersInOrderAndThenTheSelection) {
    SaveFolders(2);
    list.Fill(WellKnown(3), settings);
    view.Select(4);
    settings.log.clear();

    list.Save(settings);

    EXPECT_EQ(settings.log,
              (std::vector<std::string>{"write MENU_000=D:\\saved0", "write MENU_001=D:\\saved1",
                                        "write SELECT=4"}));
}

TEST_F(DestinationSettingsTest, SaveOfAFullListWritesOnlyTheKeysItHolds) {
    SaveFolders(17);
    settings.values[MenuKey(16)] = "D:\\left over";
    list.Fill(WellKnown(4), settings);
    list.Add("D:\\new");
    settings.log.clear();

    list.Save(settings);

    ASSERT_EQ(settings.log.size(), 17u);
    EXPECT_EQ(settings.log.front(), "write MENU_000=D:\\new");
    EXPECT_EQ(settings.log[15], "write MENU_015=D:\\saved14");
    EXPECT_EQ(settings.log.back(), "write SELECT=4");
    // Keys are never deleted: the one behind the last written stays as it was.
    EXPECT_EQ(settings.values[MenuKey(16)], "D:\\left over");
}

TEST_F(DestinationSettingsTest, SaveWritesMinusOneWhenNothingIsSelected) {
    list.Fill(WellKnown(3), settings);
    view.Select(-1);
    list.Save(settings);
    EXPECT_EQ(settings.log.back(), "write SELECT=-1");
}

TEST_F(DestinationSettingsTest, WhatIsSavedComesBackAtTheNextStart) {
    SaveFolders(3);
    list.Fill(WellKnown(4), settings);
    list.Add(R"(E:\ソフト\表)");
    list.Save(settings);

    FakeDropDownList nextView;
    DestinationList next{nextView};
    next.Fill(WellKnown(4), settings);

    EXPECT_EQ(nextView.items, view.items);
    EXPECT_EQ(nextView.selected, 4);
    for (int i = 0; i < DestinationList::kMaxCount; ++i) {
        EXPECT_EQ(next.path(i), list.path(i)) << i;
    }
}

// A value cut by the settings file, or one that cannot hold shortcuts, is passed
// over; the folders behind it are neither lost now nor at the next save.
TEST_F(DestinationSettingsTest, UnusableSavedValuesArePassedOverAndTheRestKept) {
    const std::string cut = "D:\\" + std::string(300, 'x') + std::string(300, '\x95');
    struct Case {
        const char* what;
        std::string bad;
    };
    const Case cases[] = {
        {"cut by the settings file", cut},
        {"an unfinished last character", "D:\\Mail\\\x83"},
        {"the device namespace", "\\\\.\\COM1"},
        {"a control byte", "D:\\Ma\til"},
    };
    for (const Case& c : cases) {
        FakeDropDownList view;
        MemoryProfileSection settings;
        settings.values = {
            {"MENU_000", "D:\\a"}, {"MENU_001", c.bad}, {"MENU_002", "D:\\c"}, {"SELECT", "4"}};
        DestinationList list{view};
        list.Fill(WellKnown(3), settings);
        EXPECT_EQ(std::vector<std::string>(view.items.begin() + 3, view.items.end()),
                  (std::vector<std::string>{"D:\\a", "D:\\c"}))
            << c.what;

        list.Save(settings);
        EXPECT_EQ(settings.values["MENU_000"], "D:\\a") << c.what;
        EXPECT_EQ(settings.values["MENU_001"], "D:\\c") << c.what;
        // Without an end here "D:\c" would come back twice.
        EXPECT_EQ(settings.values["MENU_002"], "") << c.what;

        FakeDropDownList nextView;
        DestinationList next{nextView};
        next.Fill(WellKnown(3), settings);
        EXPECT_EQ(next.count(), 5) << c.what;
    }
}

TEST_F(DestinationSettingsTest, WithNothingPassedOverNoKeyIsEnded) {
    SaveFolders(3);
    list.Fill(WellKnown(3), settings);
    list.Save(settings);
    EXPECT_EQ(settings.log.back(), "write SELECT=0");
    EXPECT_EQ(std::count(settings.log.begin(), settings.log.end(), "write MENU_003="), 0);
}

}  // namespace
