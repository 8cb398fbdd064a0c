#include "destinations/destination_list.h"

#include <gtest/gtest.h>

#include "tests/native/destination_test_doubles.h"
#include "tests/shared/settings_keys.h"

namespace {

const WellKnownFolder kDesktop{"デスクトップ", R"(C:\Users\me\Desktop)"};
const WellKnownFolder kStartMenu{"スタートメニュー", R"(C:\Users\me\Start Menu)"};
const WellKnownFolder kQuickLaunch{"クイック起動", R"(C:\Users\me\Quick Launch)"};
const WellKnownFolder kFavorites{"ＩＥのお気に入りフォルダ", R"(C:\Users\me\Favorites)"};

std::vector<WellKnownFolder> FourWellKnown() {
    return {kDesktop, kStartMenu, kQuickLaunch, kFavorites};
}
std::vector<WellKnownFolder> ThreeWellKnown() {
    return {kDesktop, kStartMenu, kFavorites};
}

std::string UserFolder(int n) {
    return R"(D:\folder)" + std::to_string(n);
}

class DestinationListTest : public ::testing::Test {
protected:
    // Fills the list with the well-known folders and `saved` user folders, the most
    // recent (UserFolder(0)) first.
    void FillWith(const std::vector<WellKnownFolder>& wellKnown, int saved) {
        for (int i = 0; i < saved; ++i) {
            settings.values[MenuKey(i)] = UserFolder(i);
        }
        list.Fill(wellKnown, settings);
    }

    // Slot i and item i must always describe the same destination.
    void ExpectViewMatchesSlots() {
        ASSERT_EQ(view.ItemCount(), list.count());
        for (int i = list.fixedCount(); i < list.count(); ++i) {
            EXPECT_EQ(view.items[i], list.path(i)) << i;
        }
        for (int i = list.count(); i < DestinationList::kMaxCount; ++i) {
            EXPECT_EQ(list.path(i), "") << i;
        }
    }

    FakeDropDownList view;
    MemoryProfileSection settings;
    DestinationList list{view};
};

TEST_F(DestinationListTest, FillShowsLabelsForWellKnownFoldersAndKeepsTheirPaths) {
    FillWith(FourWellKnown(), 0);
    EXPECT_EQ(view.items, (std::vector<std::string>{"デスクトップ", "スタートメニュー",
                                                    "クイック起動", "ＩＥのお気に入りフォルダ"}));
    EXPECT_EQ(list.fixedCount(), 4);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.path(0), kDesktop.path);
    EXPECT_EQ(list.path(3), kFavorites.path);
    EXPECT_EQ(view.selected, 0);
    ExpectViewMatchesSlots();
}

TEST_F(DestinationListTest, FillAppendsSavedFoldersShowingTheirPaths) {
    FillWith(ThreeWellKnown(), 2);
    EXPECT_EQ(list.fixedCount(), 3);
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(list.path(3), UserFolder(0));
    EXPECT_EQ(list.path(4), UserFolder(1));
    ExpectViewMatchesSlots();
}

TEST_F(DestinationListTest, FillStartsOverOnAViewThatAlreadyHasItems) {
    view.items = {"old", "older"};
    FillWith(ThreeWellKnown(), 1);
    EXPECT_EQ(view.items.front(), "デスクトップ");
    ExpectViewMatchesSlots();
}

TEST_F(DestinationListTest, AddInsertsBehindTheWellKnownFoldersAndSelectsIt) {
    struct Case {
        std::vector<WellKnownFolder> wellKnown;
        int saved;
    };
    for (const Case& c :
         {Case{ThreeWellKnown(), 0}, Case{ThreeWellKnown(), 2}, Case{FourWellKnown(), 5}}) {
        view = FakeDropDownList();
        settings = MemoryProfileSection();
        FillWith(c.wellKnown, c.saved);
        const int fixed = static_cast<int>(c.wellKnown.size());

        list.Add(R"(E:\新しい\表)");

        EXPECT_EQ(list.count(), fixed + c.saved + 1);
        EXPECT_EQ(list.path(fixed), R"(E:\新しい\表)");
        EXPECT_EQ(view.selected, fixed);
        for (int i = 0; i < c.saved; ++i) {
            EXPECT_EQ(list.path(fixed + 1 + i), UserFolder(i));
        }
        ExpectViewMatchesSlots();
    }
}

TEST_F(DestinationListTest, AddToAFullListDropsTheOldestUserFolder) {
    for (const std::vector<WellKnownFolder>& wellKnown : {FourWellKnown(), ThreeWellKnown()}) {
        view = FakeDropDownList();
        settings = MemoryProfileSection();
        const int fixed = static_cast<int>(wellKnown.size());
        FillWith(wellKnown, DestinationList::kMaxCount - fixed);
        ASSERT_EQ(list.count(), 20);
        const std::string secondOldest = list.path(18);

        list.Add(R"(E:\new)");

        EXPECT_EQ(list.count(), 20);
        EXPECT_EQ(list.path(fixed), R"(E:\new)");
        EXPECT_EQ(list.path(19), secondOldest);
        EXPECT_EQ(view.selected, fixed);
        ExpectViewMatchesSlots();
    }
}

TEST_F(DestinationListTest, WellKnownFoldersAreNeverPushedOut) {
    FillWith(FourWellKnown(), 3);
    for (int n = 100; n < 130; ++n) {
        list.Add(UserFolder(n));
    }
    EXPECT_EQ(view.items[0], "デスクトップ");
    EXPECT_EQ(view.items[3], "ＩＥのお気に入りフォルダ");
    EXPECT_EQ(list.path(2), kQuickLaunch.path);
    // The 16 most recent additions, newest first.
    for (int slot = 4; slot < 20; ++slot) {
        EXPECT_EQ(list.path(slot), UserFolder(129 - (slot - 4))) << slot;
    }
    ExpectViewMatchesSlots();
}

TEST_F(DestinationListTest, TheSameFolderAddedTwiceGivesTwoItems) {
    FillWith(ThreeWellKnown(), 0);
    list.Add(R"(E:\same)");
    list.Add(R"(E:\same)");
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(view.items[3], R"(E:\same)");
    EXPECT_EQ(view.items[4], R"(E:\same)");
}

TEST_F(DestinationListTest, AFolderThatCouldNotBeKeptIsRefusedAndChangesNothing) {
    const std::string longest = "E:\\" + std::string(ProfileSection::kMaxValueBytes - 3, 'x');
    struct Case {
        const char* what;
        std::string path;
        bool added;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"too long to be read back from the settings file", longest + "x", false},
        {"too long, in double-byte characters", "E:\\" + std::string(500, 'x') + "表ソ表ソ", false},
        {"the longest that is read back whole", longest, true},
        {"in the device namespace", "\\\\.\\E:\\x", false},
        {"ending in a lone lead byte", "E:\\\x83", false},
    };
    for (const Case& c : cases) {
        FakeDropDownList view;
        DestinationList list{view};
        MemoryProfileSection settings;
        list.Fill(ThreeWellKnown(), settings);
        view.Select(1);
        EXPECT_EQ(list.CanSelectOrAdd(c.path), c.added) << c.what;
        EXPECT_EQ(list.Add(c.path), c.added) << c.what;
        EXPECT_EQ(list.count(), c.added ? 4 : 3) << c.what;
        EXPECT_EQ(view.selected, c.added ? 3 : 1) << c.what;
    }
}

TEST_F(DestinationListTest, SelectedFolderIsThePathInTheSelectedSlot) {
    FillWith({kDesktop, {"スタートメニュー", ""}, kFavorites}, 1);
    view.Select(0);
    EXPECT_EQ(list.SelectedFolder(), kDesktop.path);
    view.Select(3);
    EXPECT_EQ(list.SelectedFolder(), UserFolder(0));
    // A well-known folder the shell could not find has an empty path.
    view.Select(1);
    EXPECT_EQ(list.SelectedFolder(), "");
    view.Select(-1);
    EXPECT_EQ(list.SelectedFolder(), std::nullopt);
}

TEST_F(DestinationListTest, AddedFolderIsTheSelectedFolder) {
    FillWith(FourWellKnown(), 2);
    list.Add(R"(E:\chosen)");
    EXPECT_EQ(list.SelectedFolder(), R"(E:\chosen)");
}

}  // namespace

namespace {

TEST_F(DestinationListTest, SelectFolderMatchesLettersOfEitherCaseButWholeDoubleByteCharacters) {
    FillWith(FourWellKnown(), 0);
    ASSERT_TRUE(list.Add("D:\\ア"));
    view.Select(-1);
    EXPECT_FALSE(list.SelectFolder("d:\\ャ"));  // the trail byte of ア is "A", of ャ "a"
    EXPECT_EQ(view.Selection(), -1);
    EXPECT_TRUE(list.SelectFolder("c:\\users\\ME\\favorites"));
    EXPECT_EQ(view.Selection(), 3);
    EXPECT_TRUE(list.SelectFolder("d:\\ア"));
    EXPECT_EQ(view.Selection(), 4);
    // A folder saved with its trailing "\" by an earlier version.
    ASSERT_TRUE(list.Add("E:\\Mail\\"));
    view.Select(-1);
    EXPECT_TRUE(list.SelectFolder("e:\\MAIL"));
    EXPECT_EQ(view.Selection(), 4);
}

}  // namespace
