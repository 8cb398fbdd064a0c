// When typed text counts as not yet a shortcut, through the commands that set the
// clean points.
#include "shortcut/pending_input.h"

#include <gtest/gtest.h>

#include <functional>

#include "opening/open_shortcut_command.h"
#include "shortcut/create_command.h"
#include "tests/native/destination_test_doubles.h"
#include "tests/native/iconv_code_page_spelling.h"
#include "tests/native/shortcut_fakes.h"

namespace {

const IconvCodePageSpelling kCp932;
const std::string kFile =
    "[InternetShortcut]\r\nURL=mailto:taro@example.jp?Subject=%E9%80%B1%E5%A0%B1\r\n";

struct Session {
    Session() {
        RouteChangesToNameSuggestion(form);
        destinations.Fill({{"デスクトップ", "C:\\Users\\me\\Desktop"}}, settings);
        form.MarkInputClean();
    }
    // The user's typing: with the focus in the field, as the name suggestion sees it.
    void Type(FormControl field, const std::string& text) {
        form.focus = field;
        form.SetFieldText(field, text);
    }
    void Create() {
        form.answers = {message_box::kOk};
        RunCreateCommand(form, store, destinations.SelectedFolder(), "C:\\ravlet\\ravlet.exe");
    }
    bool Open() {
        form.answers = {message_box::kYes};
        return RunOpenShortcutCommand(form, destinations, {"D:\\Mail\\週報.url", kFile}, kCp932)
            .has_value();
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
        std::function<void(Session&)> steps;
        bool pending;
    };
    const Case cases[] = {
        {"the start", [](Session&) {}, false},
        {"an address typed", [](Session& s) { s.Type(FormControl::Address, "a@b.jp"); }, true},
        {"a body typed", [](Session& s) { s.Type(FormControl::Body, "\r\n"); }, true},
        {"a name typed", [](Session& s) { s.Type(FormControl::Name, "x"); }, true},
        {"a CC holding only what the code page cannot spell",
         [](Session& s) { s.form.unspellable.insert(FormControl::Cc); }, true},
        {"an icon picked", [](Session& s) { s.form.SetIconIndex(3); }, false},
        {"a destination added", [](Session& s) { s.destinations.Add("E:\\x"); }, false},
        {"typed, then cleared by hand",
         [](Session& s) {
             s.Type(FormControl::Subject, "x");
             s.Type(FormControl::Subject, "");
         },
         false},
        {"created",
         [](Session& s) {
             s.Type(FormControl::Address, "a@b.jp");
             s.Type(FormControl::Body, "x");
             s.Create();
         },
         false},
        {"a Create refused",
         [](Session& s) {
             s.Type(FormControl::Address, "a@b.jp");
             s.Type(FormControl::Name, "");
             s.Create();
         },
         true},
        {"created, then typed",
         [](Session& s) {
             s.Type(FormControl::Address, "a@b.jp");
             s.Create();
             s.Type(FormControl::Cc, "c@d.jp");
         },
         true},
        {"opened", [](Session& s) { s.Open(); }, false},
        {"typed, then opened",
         [](Session& s) {
             s.Type(FormControl::Bcc, "x@y.jp");
             s.Open();
         },
         false},
        {"opened, then changed",
         [](Session& s) {
             s.Open();
             s.Type(FormControl::Subject, "週報 12月");
         },
         true},
        {"opened, then the name emptied",
         [](Session& s) {
             s.Open();
             s.Type(FormControl::Name, "");
         },
         true},
    };
    for (const Case& c : cases) {
        Session session;
        c.steps(session);
        EXPECT_EQ(session.form.InputPending(), c.pending) << c.what;
    }
}

}  // namespace
