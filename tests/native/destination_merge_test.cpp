// Two runs at once: the one that saves last keeps what the other one saved before it.
#include <gtest/gtest.h>

#include <algorithm>

#include "destinations/destination_list.h"
#include "destinations/settings_section.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/shared/settings_keys.h"

namespace {

using Folders = std::vector<std::string>;

TEST(SavedFolderMerge,
     KeepsHiddenFoldersThenAnotherRunsAdditionsBehindThisRunsOwnOnceAndWithinTheRoom) {
    struct Case {
        const char* what;
        Folders own, unshown, loaded, onDisk;
        int room;
        Folders saved;
    };
    // clang-format off
    const Case cases[] = {
        {"nobody else saved", {"n", "a", "b"}, {}, {"a", "b"}, {"a", "b"}, 16, {"n", "a", "b"}},
        {"the other run added x", {"a", "b"}, {}, {"a", "b"}, {"x", "a", "b"}, 16, {"a", "b", "x"}},
        {"both added the same folder", {"x", "a"}, {}, {"a"}, {"x", "a"}, 16, {"x", "a"}},
        {"the other run added two", {"n", "a"}, {}, {"a"}, {"y", "x", "a"}, 16, {"n", "a", "y", "x"}},
        {"the room runs out", {"n", "a", "b"}, {}, {"a", "b"}, {"x", "y", "a", "b"}, 4,
         {"n", "a", "b", "x"}},
        {"own list full", {"n", "a"}, {}, {"a"}, {"x", "a"}, 2, {"n", "a"}},
        {"one folder twice on disk", {"a"}, {}, {"a"}, {"x", "x", "a"}, 16, {"a", "x"}},
        {"own duplicates stay as the user sees them", {"a", "a"}, {}, {}, {"a"}, 16, {"a", "a"}},
        {"a file that was empty", {"n"}, {}, {}, {}, 16, {"n"}},
        {"a folder with no room at the start follows the list", {"a", "b"}, {"c"},
         {"a", "b", "c"}, {"a", "b", "c"}, 3, {"a", "b", "c"}},
        {"a folder pushed off by an addition stays off", {"n", "a"}, {"c"}, {"a", "b", "c"},
         {"a", "b", "c"}, 3, {"n", "a", "c"}},
        {"a folder pushed off stays off with room left", {"n", "a"}, {}, {"a", "b"},
         {"a", "b"}, 16, {"n", "a"}},
        {"the hidden folder before another run's addition", {"a", "b"}, {"c"}, {"a", "b", "c"},
         {"x", "a", "b", "c"}, 4, {"a", "b", "c", "x"}},
        {"a hidden folder added again is not written twice", {"c", "a"}, {"c"}, {"a", "c"},
         {"a", "c"}, 3, {"c", "a"}},
        {"no room for the hidden folder", {"n", "m", "a"}, {"c"}, {"a", "c"}, {"a", "c"}, 3,
         {"n", "m", "a"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(MergeSavedFolders(c.own, c.unshown, c.loaded, c.onDisk, c.room), c.saved)
            << c.what;
    }
}

// The measured loss: run 1 adds a folder and ends, then run 2 ends.
TEST(SavedFolderMerge, TheFolderAddedByTheRunThatEndedFirstSurvivesTheOther) {
    MemoryProfileSection file;
    file.values = {{MenuKey(0), "D:\\a"}, {MenuKey(1), "D:\\b"}, {"SELECT", "3"}};
    FakeDropDownList view1, view2;
    DestinationList run1{view1}, run2{view2};
    run1.Fill(WellKnown(3), file);
    run2.Fill(WellKnown(3), file);

    run1.Add("D:\\new");
    ASSERT_TRUE(run1.Save(file));
    ASSERT_TRUE(run2.Save(file));

    EXPECT_EQ(file.values[MenuKey(0)], "D:\\a");
    EXPECT_EQ(file.values[MenuKey(1)], "D:\\b");
    EXPECT_EQ(file.values[MenuKey(2)], "D:\\new");
    EXPECT_EQ(file.values.count(MenuKey(3)), 0u);
}

// 17 folders are kept whatever the number of well-known folders, the one Quick Launch
// hides included; another run's addition comes behind them, and only where there is
// room.
TEST(SavedFolderMerge, SeventeenFoldersComeBeforeAnotherRunsAddition) {
    struct Case {
        int wellKnown, saved;
        bool additionKept;
    };
    for (const Case c : {Case{3, 17, false}, Case{4, 17, false}, Case{4, 16, true}}) {
        MemoryProfileSection file;
        for (int i = 0; i < c.saved; ++i) {
            file.values[MenuKey(i)] = "D:\\s" + std::to_string(i);
        }
        FakeDropDownList view;
        DestinationList run{view};
        run.Fill(WellKnown(c.wellKnown), file);
        // The other run added x in front and kept 17.
        for (int i = std::min(c.saved, 16); i > 0; --i) {
            file.values[MenuKey(i)] = file.values[MenuKey(i - 1)];
        }
        file.values[MenuKey(0)] = "D:\\x";
        ASSERT_TRUE(run.Save(file));
        for (int i = 0; i < c.saved; ++i) {
            EXPECT_EQ(file.values[MenuKey(i)], "D:\\s" + std::to_string(i)) << c.wellKnown;
        }
        EXPECT_EQ(file.values.count(MenuKey(c.saved)) != 0, c.additionKept) << c.wellKnown;
        EXPECT_EQ(file.values.count(MenuKey(17)), 0u);
    }
}

TEST(SavedSelection, FollowsTheFolderWhenTheWellKnownFoldersChange) {
    struct Case {
        const char* what;
        int wellKnownBefore, selectedBefore, wellKnownAfter;
        std::map<std::string, std::string> extra;  // written over the saved section
        int selectedAfter;
    };
    // clang-format off
    const Case cases[] = {
        {"Quick Launch went: user folder", 4, 5, 3, {}, 4},
        {"Quick Launch came: user folder", 3, 4, 4, {}, 5},
        {"a well-known folder", 4, 1, 3, {}, 1},
        {"the selected folder is no longer offered", 4, 3, 3, {}, 0},
        {"an older file: the index as before", 4, 4, 3, {{"SELECT_PATH", ""}}, 4},
        {"the index tells two entries of one folder apart", 3, 4, 3,
         {{MenuKey(1), "D:\\a"}, {"SELECT", "4"}, {"SELECT_PATH", "4|D:\\a"}}, 4},
        {"an index changed by an earlier version or by hand wins", 4, 4, 4, {{"SELECT", "5"}}, 5},
        {"a path without its index is not used", 4, 4, 3, {{"SELECT_PATH", "D:\\a"}}, 4},
        {"nothing after the bar: the index", 3, 4, 3, {{"SELECT_PATH", "4|"}}, 4},
    };
    // clang-format on
    for (const Case& c : cases) {
        MemoryProfileSection file;
        file.values = {{MenuKey(0), "D:\\a"}, {MenuKey(1), "D:\\b"}};
        {
            FakeDropDownList view;
            DestinationList list{view};
            list.Fill(WellKnown(c.wellKnownBefore), file);
            view.Select(c.selectedBefore);
            ASSERT_TRUE(list.Save(file));
        }
        for (const auto& [key, value] : c.extra) {
            file.values[key] = value;
        }
        FakeDropDownList view;
        DestinationList list{view};
        list.Fill(WellKnown(c.wellKnownAfter), file);
        EXPECT_EQ(view.selected, c.selectedAfter) << c.what;
    }
}

// Quick Launch, third of four well-known folders, goes: the favourites behind it move
// up one place and stay selected.
TEST(SavedSelection, FollowsAWellKnownFolderWhenOneBeforeItDisappears) {
    MemoryProfileSection file;
    FakeDropDownList before, after;
    DestinationList run1{before}, run2{after};
    run1.Fill(WellKnown(4), file);
    before.Select(3);
    ASSERT_TRUE(run1.Save(file));
    std::vector<WellKnownFolder> without = WellKnown(4);
    without.erase(without.begin() + 2);
    run2.Fill(without, file);
    EXPECT_EQ(after.selected, 2);
}

}  // namespace
