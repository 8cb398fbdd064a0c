// Our dialogs are Unicode windows, so their fields keep what the user typed in UTF-16
// and a character the code page cannot spell is refused instead of read as a look-alike.
#include <gtest/gtest.h>

#include "framework_scripted_dialog.h"

namespace {

TEST(UnicodeDialog, DialogAndItsFieldsAreUnicodeWindows) {
    ScriptedDialog dialog;
    bool dialogUnicode = false;
    bool fieldUnicode = false;
    dialog.script = [&](ScriptedDialog& self) {
        dialogUnicode = IsWindowUnicode(self.GetSafeHwnd()) != FALSE;
        fieldUnicode = IsWindowUnicode(self.Item(IDC_TEST_EDIT)) != FALSE;
    };
    ASSERT_EQ(dialog.DoModal(), ScriptedDialog::kScriptDone);
    EXPECT_TRUE(dialogUnicode);
    EXPECT_TRUE(fieldUnicode);
}

TEST(UnicodeDialog, FieldTextCrossesTheExactConversionBothWays) {
    ScriptedDialog dialog;
    std::optional<std::string> roundTrip;
    std::optional<std::string> yen;
    dialog.script = [&](ScriptedDialog& self) {
        CEdit field;
        field.Attach(self.Item(IDC_TEST_EDIT));
        // "表" ends in 0x5C, "ｶﾅ" is single-byte katakana.
        field.SetText("表ｶﾅ\\x");
        roundTrip = field.GetExactText();
        // A pasted "¥" would be "\" in the code page: it must not read as one.
        SetWindowTextW(self.Item(IDC_TEST_EDIT), L"sub\u00A5x");
        yen = field.GetExactText();
    };
    ASSERT_EQ(dialog.DoModal(), ScriptedDialog::kScriptDone);
    EXPECT_EQ(roundTrip, std::optional<std::string>("表ｶﾅ\\x"));
    EXPECT_EQ(yen, std::nullopt);
}

}  // namespace
