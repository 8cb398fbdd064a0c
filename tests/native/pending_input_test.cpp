// When typed text counts as not yet a shortcut, through the commands that set the
// clean points.
#include "shortcut/pending_input.h"

#include <gtest/gtest.h>

#include <vector>

#include "opening/open_shortcut_command.h"
#include "shortcut/create_command.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/native/iconv_code_page_spelling.h"
#include "tests/native/shortcut_fakes.h"
#include "tests/native/windows_reading_double.h"

namespace {

const IconvCodePageSpelling kCp932;
const std::string kFile =
    "[InternetShortcut]\r\nURL=mailto:taro@example.jp?Subject=%E9%80%B1%E5%A0%B1\r\n";

enum class Step {
    TypeAddress,
    TypeBody,
    TypeSubject,
    ClearSubject,
    EmptyName,
    PasteUnspellableCc,
    PickIcon,
    AddFolder,
    Create,
    Open,
};

struct Session {
    Session() {
        RouteChangesToNameSuggestion(form);
        destinations.Fill({{"デスクトップ", "C:\\Users\\me\\Desktop"}}, settings);
        form.MarkInputClean();
    }
    // Typing: with the focus in the field, as the name suggestion sees it.
    void Type(FormControl field, const std::string& text) {
        form.focus = field;
        form.SetFieldText(field, text);
    }
    void Run(Step step) {
        switch (step) {
            case Step::TypeAddress:
                return Type(FormControl::Address, "a@b.jp");
            case Step::TypeBody:
                return Type(FormControl::Body, "\r\n");
            case Step::TypeSubject:
                return Type(FormControl::Subject, "x");
            case Step::ClearSubject:
                return Type(FormControl::Subject, "");
            case Step::EmptyName:
                return Type(FormControl::Name, "");
            case Step::PasteUnspellableCc:
                form.unspellable.insert(FormControl::Cc);
                return;
            case Step::PickIcon:
                return form.SetIconIndex(3);
            case Step::AddFolder:
                destinations.Add("E:\\x");
                return;
            case Step::Create:
                form.answers = {message_box::kOk};
                return RunCreateCommand(form, store, destinations.SelectedFolder(), "C:\\r.exe");
            case Step::Open:
                form.answers = {message_box::kYes};
                RunOpenShortcutCommand(
                    form, destinations,
                    {"D:\\Mail\\週報.url", kFile, false, AgreeingWindowsReading(kFile)}, kCp932);
                return;
        }
    }

    Events events;
    FakeForm form{events};
    FakeStore store{events};
    FakeDropDownList view;
    MemoryProfileSection settings;
    DestinationList destinations{view};
};

TEST(PendingInput, TextTypedSinceTheLastCleanPointIsPending) {
    struct Case {
        const char* what;
        std::vector<Step> steps;
        bool pending;
    };
    using S = Step;
    const Case cases[] = {
        {"the start", {}, false},
        {"an address typed", {S::TypeAddress}, true},
        {"a body typed", {S::TypeBody}, true},
        {"a CC holding only what the code page cannot spell", {S::PasteUnspellableCc}, true},
        {"an icon picked, a folder added", {S::PickIcon, S::AddFolder}, false},
        {"typed, then cleared by hand", {S::TypeSubject, S::ClearSubject}, false},
        {"created", {S::TypeAddress, S::TypeBody, S::Create}, false},
        {"a Create refused", {S::TypeAddress, S::EmptyName, S::Create}, true},
        // The cleared form is the clean point now, not the opened fields.
        {"opened, changed, then created", {S::Open, S::TypeSubject, S::Create}, false},
        {"created, then typed", {S::TypeAddress, S::Create, S::TypeSubject}, true},
        {"typed, then opened", {S::TypeBody, S::Open}, false},
        {"opened, then changed", {S::Open, S::TypeSubject}, true},
        {"opened, then the name emptied", {S::Open, S::EmptyName}, true},
    };
    for (const Case& c : cases) {
        Session session;
        for (const Step step : c.steps) {
            session.Run(step);
        }
        EXPECT_EQ(session.form.InputPending(), c.pending) << c.what;
    }
}

}  // namespace
