// How the destination list reads and writes the settings file's "COMBO_BOX" section.
#include <gtest/gtest.h>

#include <algorithm>

#include "destinations/destination_list.h"
#include "destinations/settings_section.h"
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
    EXPECT_EQ(settings.log,
              (std::vector<std::string>{"read MENU_000", "read MENU_001", "read MENU_002",
                                        "read SELECT", "read SELECT_PATH"}));
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
        int shown;
        int read;  // a file keeps 17 folders even where Quick Launch leaves room for 16
    };
    for (const Case& c : {Case{4, 16, 17}, Case{3, 17, 17}, Case{0, 20, 20}}) {
        FakeDropDownList view;
        MemoryProfileSection settings;
        for (int i = 0; i < 25; ++i) {
            settings.values[MenuKey(i)] = R"(D:\saved)" + std::to_string(i);
        }
        DestinationList list{view};
        list.Fill(WellKnown(c.wellKnown), settings);

        EXPECT_EQ(list.count(), 20);
        EXPECT_EQ(list.path(19), R"(D:\saved)" + std::to_string(c.shown - 1));
        EXPECT_EQ(std::count(settings.log.begin(), settings.log.end(), "read " + MenuKey(c.read)),
                  0);
        EXPECT_EQ(settings.log.back(), "read SELECT_PATH");
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

// The writes and deletions of a save, in order.
std::vector<std::string> Written(const std::vector<std::string>& log) {
    std::vector<std::string> written;
    for (const std::string& entry : log) {
        if (entry.rfind("read", 0) != 0) {
            written.push_back(entry);
        }
    }
    return written;
}

TEST_F(DestinationSettingsTest, SaveReadsTheSectionAgainThenWritesItsOwnKeysOneByOne) {
    SaveFolders(2);
    settings.values["OTHER"] = "kept";
    settings.values["MENU_005"] = "D:\\left over";
    list.Fill(WellKnown(3), settings);
    view.Select(4);
    settings.log.clear();

    EXPECT_TRUE(list.Save(settings));

    EXPECT_EQ(Written(settings.log),
              (std::vector<std::string>{"write MENU_000=D:\\saved0", "write MENU_001=D:\\saved1",
                                        "delete MENU_005", "write SELECT=4",
                                        "write SELECT_PATH=4|D:\\saved1"}));
    EXPECT_EQ(settings.values["OTHER"], "kept");
    EXPECT_LT(std::find(settings.log.begin(), settings.log.end(), "read section"),
              std::find(settings.log.begin(), settings.log.end(), "write MENU_000=D:\\saved0"));
}

// With Quick Launch only 16 of 17 saved folders fit: the 17th is kept behind the list
// and comes back when there is room; the 16th, pushed off by an addition, does not.
TEST_F(DestinationSettingsTest, AFolderWithNoRoomAtTheStartIsKeptAndComesBackWhenThereIsRoom) {
    SaveFolders(17);
    list.Fill(WellKnown(4), settings);
    list.Add("D:\\new");
    ASSERT_TRUE(list.Save(settings));

    FakeDropDownList nextView;
    DestinationList next{nextView};
    next.Fill(WellKnown(3), settings);
    EXPECT_EQ(next.count(), 20);
    EXPECT_EQ(next.path(3), "D:\\new");
    EXPECT_EQ(next.path(18), "D:\\saved14");
    EXPECT_EQ(next.path(19), "D:\\saved16");
}

// Which lines of the section are the program's own: a save sets or deletes those and
// no other.
TEST(SettingsKeyWrites, DeleteOnlyTheProgramsOwnKeysThatWouldOtherwiseComeBack) {
    using W = SettingsKeyWrite;
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::string selectedPath;
        std::vector<W> extra;  // between the folder and the selection keys
        std::vector<W> selection;
    };
    const W select{"SELECT", "3"};
    const W selectPath{"SELECT_PATH", "3|D:\\a"};
    const std::optional<std::string> gone;
    // clang-format off
    const Case cases[] = {
        {"a stale path with nothing to hold", {"SELECT_PATH=4|D:\\x"}, "", {},
         {select, {"SELECT_PATH", gone}}},
        {"a stale path is written over", {"SELECT_PATH=4|D:\\x"}, "D:\\a", {}, {select, selectPath}},
        {"no path, none to delete", {}, "", {}, {select}},
        {"lower-case select is written over, not added to", {"select=7"}, "", {}, {select}},
        {"folder keys behind the list, in any case and with blanks", {"menu_004=D:\\x", " MENU_019 = D:\\y"},
         "D:\\a", {{"menu_004", gone}, {"MENU_019", gone}}, {select, selectPath}},
        {"keys that are not the program's",
         {"MENU_0001=x", "MENU_020=x", "MENU_150=x", "MENU_01=x", "; MENU_005", "MENUS_005=x",
          "MENU_0019=x", "OTHER=x", "bare"},
         "D:\\a", {}, {select, selectPath}},
        {"the key of a folder written", {"MENU_000=D:\\old"}, "D:\\a", {}, {select, selectPath}},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<W> expected = {{"MENU_000", "D:\\a"}};
        expected.insert(expected.end(), c.extra.begin(), c.extra.end());
        expected.insert(expected.end(), c.selection.begin(), c.selection.end());
        EXPECT_EQ(SettingsKeyWrites({"D:\\a"}, 3, c.selectedPath, c.lines), expected) << c.what;
    }
}

TEST_F(DestinationSettingsTest, SaveWithNothingSelectedWritesMinusOneAndNoPath) {
    list.Fill(WellKnown(3), settings);
    view.Select(-1);
    list.Save(settings);
    EXPECT_EQ(Written(settings.log), (std::vector<std::string>{"write SELECT=-1"}));
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
        EXPECT_EQ(settings.values.count("MENU_002"), 0u) << c.what;

        FakeDropDownList nextView;
        DestinationList next{nextView};
        next.Fill(WellKnown(3), settings);
        EXPECT_EQ(next.count(), 5) << c.what;
    }
}

}  // namespace
