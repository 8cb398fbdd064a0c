// The shortcut name follows the address as it is typed, until the user types into the
// name field; a successful Create switches the suggestions back on.
#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"

namespace e2e {
namespace {

using NameSuggestion = RavletTest;

TEST_F(NameSuggestion, FollowsTheAddressWithFileNameCharactersReplaced) {
    TypeInto(kAddress, "a/b@c.d");
    EXPECT_EQ(Text(kName), "a b@c.d さんへ");
    TypeInto(kAddress, "\\/:,;*?\"<>|");
    EXPECT_EQ(Text(kName), std::string(11, ' ') + " さんへ");
    TypeInto(kAddress, "山田＠例.jp");  // double-byte characters stay as they are
    EXPECT_EQ(Text(kName), "山田＠例.jp さんへ");

    // Clearing the address clears the name, with no suffix on nothing.
    ASSERT_TRUE(FocusControl(Control(kAddress)));
    PressKey(VK_DELETE);
    EXPECT_TRUE(PollUntil([&] { return Text(kAddress).empty(); }));
    EXPECT_EQ(Text(kName), "");
}

TEST_F(NameSuggestion, StopsFollowingAnAddressLongerThan64Bytes) {
    const std::string at64 = std::string(58, 'a') + "@b.com";  // 64 bytes
    TypeInto(kAddress, at64);
    EXPECT_EQ(Text(kName), at64 + " さんへ");
    TypeInto(kAddress, at64 + "x");
    EXPECT_EQ(Text(kName), at64 + " さんへ") << "65 bytes: the last suggestion stays";
}

TEST_F(NameSuggestion, StopsWhenTheUserTypesANameAndResumesAfterCreate) {
    AddDestination(Outbox());
    TypeInto(kAddress, "first@example.com");
    TypeInto(kName, "my own name");
    TypeInto(kAddress, "second@example.com");
    EXPECT_EQ(Text(kName), "my own name");

    CreateSuccessfully("second@example.com");
    TypeInto(kAddress, "third@example.com");
    EXPECT_EQ(Text(kName), "third@example.com さんへ");
}

}  // namespace
}  // namespace e2e
