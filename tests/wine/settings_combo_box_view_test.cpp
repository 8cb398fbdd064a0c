// The real drop-down combo box behind the destination list, and the stand-in the core's
// tests use for it: both must answer every step of the same script alike.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "destinations/win32_combo_box_destination_view.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/wine/hidden_combo_box.h"

namespace {

struct Step {
    const char* what;
    std::function<void(DestinationView&)> action;
};

// Each step is followed by a look at the item count and the selection.
const Step kScript[] = {
    {"three items", [](DestinationView& v) { v.AddItem("a"), v.AddItem("b"), v.AddItem("c"); }},
    {"nothing selected at first", [](DestinationView&) {}},
    {"select 1", [](DestinationView& v) { v.Select(1); }},
    {"insert before the selection", [](DestinationView& v) { v.InsertItem(0, "x"); }},
    {"insert at the selection", [](DestinationView& v) { v.InsertItem(2, "y"); }},
    {"insert behind the selection", [](DestinationView& v) { v.InsertItem(4, "z"); }},
    {"insert past the end", [](DestinationView& v) { v.InsertItem(9, "w"); }},
    {"insert at -1 appends", [](DestinationView& v) { v.InsertItem(-1, "v"); }},
    {"delete behind the selection", [](DestinationView& v) { v.DeleteItem(5); }},
    {"delete before the selection", [](DestinationView& v) { v.DeleteItem(0); }},
    {"delete the selection", [](DestinationView& v) { v.DeleteItem(2); }},
    {"delete past the end", [](DestinationView& v) { v.DeleteItem(20); }},
    {"select the last", [](DestinationView& v) { v.Select(v.ItemCount() - 1); }},
    {"select past the end", [](DestinationView& v) { v.Select(v.ItemCount()); }},
    {"select 0", [](DestinationView& v) { v.Select(0); }},
    {"select -1", [](DestinationView& v) { v.Select(-1); }},
    {"select 1 again", [](DestinationView& v) { v.Select(1); }},
    {"select -5", [](DestinationView& v) { v.Select(-5); }},
};

TEST(ComboBoxDestinationView, BehavesLikeTheStandInOfTheCoreTests) {
    HiddenComboBox combo;
    ComboBoxDestinationView real(combo.box());
    FakeDropDownList fake;

    for (const Step& step : kScript) {
        step.action(real);
        step.action(fake);
        EXPECT_EQ(real.ItemCount(), fake.ItemCount()) << step.what;
        EXPECT_EQ(real.Selection(), fake.Selection()) << step.what;
    }
    for (int i = 0; i < fake.ItemCount(); ++i) {
        EXPECT_EQ(combo.ItemText(i), fake.items[i]) << i;
    }
}

}  // namespace
