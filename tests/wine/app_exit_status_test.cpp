// A caller of the program learns when its dialog could not be shown: this test program
// holds no main dialog template, like a damaged executable.
#include <gtest/gtest.h>

#include "app/mailto_app.h"

namespace {

TEST(MailtoAppExit, WithoutItsMainDialogTheProgramEndsWithAFailureStatus) {
    CMailtoApp app;
    EXPECT_NE(app.Run(), 0);
}

}  // namespace
