// The shortcut name follows the address as it is typed, until the user types into the
// name field; a successful Create switches the suggestions back on.
#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"

namespace e2e {
namespace {

using NameSuggestion = RavletTest;

TEST_F(NameSuggestion, FollowsTheAddressWithFileNameCharactersReplaced) {
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "a/b@c.d"));
    EXPECT_EQ(Text(IDC_NAME), "a b@c.d さんへ");
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "\\/:,;*?\"<>|"));
    EXPECT_EQ(Text(IDC_NAME), std::string(11, ' ') + " さんへ");
    ASSERT_NO_FATAL_FAILURE(
        TypeInto(IDC_ADDRESS, "山田＠例.jp"));  // double-byte characters stay as they are
    EXPECT_EQ(Text(IDC_NAME), "山田＠例.jp さんへ");

    // Clearing the address clears the name, with no suffix on nothing.
    ASSERT_TRUE(FocusControl(Control(IDC_ADDRESS)));
    PressKey(VK_DELETE);
    EXPECT_TRUE(PollUntil([&] { return Text(IDC_ADDRESS).empty(); }));
    EXPECT_EQ(Text(IDC_NAME), "");
}

TEST_F(NameSuggestion, StopsFollowingAnAddressLongerThan64Bytes) {
    const std::string at64 = std::string(58, 'a') + "@b.com";  // 64 bytes
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, at64));
    EXPECT_EQ(Text(IDC_NAME), at64 + " さんへ");
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, at64 + "x"));
    EXPECT_EQ(Text(IDC_NAME), at64 + " さんへ") << "65 bytes: the last suggestion stays";
}

TEST_F(NameSuggestion, StopsWhenTheUserTypesANameAndResumesAfterCreate) {
    ASSERT_NO_FATAL_FAILURE(AddDestination(Outbox()));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "first@example.com"));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_NAME, "my own name"));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "second@example.com"));
    EXPECT_EQ(Text(IDC_NAME), "my own name");

    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("second@example.com"));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "third@example.com"));
    EXPECT_EQ(Text(IDC_NAME), "third@example.com さんへ");
}

}  // namespace
}  // namespace e2e
