// Which settings file a start reads and a save writes.
#include <gtest/gtest.h>

#include "destinations/settings_file_choice.h"

namespace {

TEST(SettingsFileChoice, TheFileBesideTheProgramFirstAndTheUsersOwnWhereThatCannotBeWritten) {
    using P = SettingsPlace;
    struct Case {
        const char* what;
        SettingsPlaces places;
        SettingsFileChoice choice;
    };
    // known folder, writable, file beside, per-user folder known, per-user file
    const Case cases[] = {
        {"portable copy, first start",
         {true, true, false, true, false},
         {P::None, P::BesideProgram}},
        {"portable copy with its file",
         {true, true, true, true, false},
         {P::BesideProgram, P::BesideProgram}},
        {"writable again: beside wins",
         {true, true, true, true, true},
         {P::BesideProgram, P::BesideProgram}},
        {"read-only, first start", {true, false, false, true, false}, {P::None, P::PerUser}},
        {"read-only, administrator's file",
         {true, false, true, true, false},
         {P::BesideProgram, P::PerUser}},
        {"read-only, the user's file exists",
         {true, false, true, true, true},
         {P::PerUser, P::PerUser}},
        {"read-only, only the user's file",
         {true, false, false, true, true},
         {P::PerUser, P::PerUser}},
        {"read-only, no folder of the user's",
         {true, false, false, false, false},
         {P::None, P::BesideProgram}},
        {"read-only, no folder of the user's, file beside",
         {true, false, true, false, false},
         {P::BesideProgram, P::BesideProgram}},
        {"folder not spelt exactly", {false, true, true, true, true}, {P::None, P::None}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseSettingsFile(c.places), c.choice) << c.what;
    }
}

}  // namespace
