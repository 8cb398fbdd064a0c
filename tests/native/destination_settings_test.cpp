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

// Whichever of the five writes fails, the save says so and stops there.
TEST_F(DestinationSettingsTest, AFailingWriteMakesTheSaveFail) {
    SaveFolders(2);
    settings.values["MENU_005"] = "D:\\left over";
    list.Fill(WellKnown(3), settings);
    view.Select(4);
    for (int failing = 0; failing < 5; ++failing) {
        MemoryProfileSection file = settings;
        file.failFrom = failing;
        EXPECT_FALSE(list.Save(file)) << failing;
        EXPECT_EQ(file.writes, failing + 1) << failing;
    }
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
        {"a stale lower-case path", {"select_path=4|D:\\x"}, "", {},
         {select, {"SELECT_PATH", gone}}},
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

// A folder the code page cannot spell is never offered, takes its room, and is written
// back as the file held it, in its place among the folders read.
TEST_F(DestinationSettingsTest, AFolderTheCodePageCannotSpellKeepsItsPlaceAndItsRoom) {
    const std::string yen = VerbatimFolder('w', std::string("D\0:\0\\\0\xA5\0", 8));
    struct Case {
        const char* what;
        int wellKnown;
        int saved;  // D:\saved0 on, with yen as MENU_001
        std::vector<std::string> added;
        std::vector<std::string> written;
    };
    const std::string s0 = "D:\\saved0", s2 = "D:\\saved2", s3 = "D:\\saved3";
    const Case cases[] = {
        {"kept in its place", 3, 3, {}, {s0, yen, s2}},
        {"behind an addition", 3, 3, {"D:\\new"}, {"D:\\new", s0, yen, s2}},
        {"at the head", 3, 1, {"D:\\new"}, {"D:\\new", s0, yen}},
    };
    for (const Case& c : cases) {
        MemoryProfileSection file;
        for (int i = 0; i < c.saved; ++i) {
            file.values[MenuKey(i)] = "D:\\saved" + std::to_string(i);
        }
        file.values[MenuKey(1)] = yen;
        FakeDropDownList view;
        DestinationList run{view};
        run.Fill(WellKnown(c.wellKnown), file);
        EXPECT_EQ(std::count(view.items.begin(), view.items.end(), yen), 0) << c.what;
        for (const std::string& folder : c.added) {
            run.Add(folder);
        }
        ASSERT_TRUE(run.Save(file)) << c.what;
        std::vector<std::string> written;
        for (int i = 0; file.values.count(MenuKey(i)) != 0; ++i) {
            written.push_back(file.values[MenuKey(i)]);
        }
        EXPECT_EQ(written, c.written) << c.what;
    }
}

// 17 folders read with room for 17, counting the one that cannot be offered: the list
// shows 16, and an addition pushes the last one off.
TEST_F(DestinationSettingsTest, AFolderTheCodePageCannotSpellCountsInTheRoom) {
    SaveFolders(17);
    settings.values[MenuKey(0)] = VerbatimFolder('c', "D:\\\x81");
    list.Fill(WellKnown(3), settings);
    EXPECT_EQ(list.count(), 19);
    list.Add("D:\\new");
    EXPECT_EQ(list.count(), 19);
    ASSERT_TRUE(list.Save(settings));
    EXPECT_EQ(settings.values[MenuKey(0)], "D:\\new");
    EXPECT_EQ(settings.values[MenuKey(1)], VerbatimFolder('c', "D:\\\x81"));
    EXPECT_EQ(settings.values[MenuKey(16)], "D:\\saved15");
    EXPECT_EQ(settings.values.count(MenuKey(17)), 0u);
}

// A selected folder that is not offered selects the first entry, not the index's.
TEST_F(DestinationSettingsTest, ASelectedFolderTheCodePageCannotSpellSelectsNothingOffered) {
    SaveFolders(3);
    settings.values["SELECT"] = "4";
    settings.values["SELECT_PATH"] = VerbatimFolder('8', "4|D:\\\xC2\xA5");
    list.Fill(WellKnown(3), settings);
    EXPECT_EQ(view.selected, 0);
}

}  // namespace
