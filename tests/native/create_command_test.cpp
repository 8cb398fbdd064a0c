#include "shortcut/create_command.h"

#include <gtest/gtest.h>

#include <functional>

#include <algorithm>
#include <deque>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "iconv_code_page_spelling.h"
#include "res/resource.h"
#include "shortcut/file_error.h"
#include "shortcut/name_suggestion.h"
#include "shortcut_fakes.h"

namespace {

const std::string kIconFile = "C:\\ravlet\\ravlet.exe";
const ShownMessage kAborted = {IDS_ABORTED, IDS_CAPTION_ABORTED, message_box::kWarning, ""};

ShownMessage CannotCreate(const std::string& path) {
    return {IDS_CANNOT_CREATE_FILE, IDS_CAPTION_CANNOT_CREATE, message_box::kErrorWithRetry, path};
}

// The file's bytes with its line ends as "\n", which the composition's own test shows.
std::string Body(const FakeWrite& file) {
    std::string body;
    for (size_t i = 0; i < file.bytes.size(); ++i) {
        if (file.bytes.compare(i, 2, "\r\n") != 0) {
            body += file.bytes[i];
        }
    }
    return body;
}

ShownMessage Created(const std::string& address) {
    return {IDS_SHORTCUT_CREATED, IDS_CAPTION_DONE, message_box::kInformation, address};
}

// The form as the user fills it in.
void FillIn(FakeForm& form) {
    form.texts[FormControl::Address] = "taro@example.jp";
    form.texts[FormControl::Subject] = "Hello";
    form.texts[FormControl::Name] = "taro@example.jp さんへ";
    form.iconIndex = 2;
    form.previewShown = true;
    form.focus = FormControl::Subject;
}

// The form as the user left it: nothing was reset.
void ExpectFormUntouched(FakeForm& form) {
    EXPECT_EQ(form.texts[FormControl::Address], "taro@example.jp");
    EXPECT_EQ(form.texts[FormControl::Subject], "Hello");
    EXPECT_EQ(form.texts[FormControl::Name], "taro@example.jp さんへ");
    EXPECT_EQ(form.iconIndex, 2);
    EXPECT_TRUE(form.previewShown);
    EXPECT_FALSE(form.nameEdited);
}

class CreateCommand : public ::testing::Test {
protected:
    CreateCommand() { FillIn(form); }

    void Run() { RunCreateCommand(form, store, folder, kIconFile); }

    Events events;
    FakeForm form{events};
    FakeStore store{events};
    std::optional<std::string> folder = std::string("C:\\Mail");
    const std::string path = "C:\\Mail\\taro@example.jp さんへ.url";
};

// 200 bytes in all, part of them double-byte characters.
std::string AddressOfBytes(size_t bytes, const std::string& filler) {
    std::string address = "a@b.";
    while (address.size() + filler.size() <= bytes) {
        address += filler;
    }
    while (address.size() < bytes) {
        address += 'x';
    }
    return address;
}

TEST_F(CreateCommand, RefusesAnIncompleteRequestWithTheFirstFailedCheck) {
    const unsigned kNoAddress = IDS_NO_ADDRESS;
    const unsigned kTooLong = IDS_ADDRESS_TOO_LONG;
    const unsigned kNotAddress = IDS_NOT_AN_ADDRESS;
    const unsigned kNoFolder = IDS_NO_DESTINATION;
    const unsigned kNoName = IDS_NO_NAME;
    using Fields = std::set<FormControl>;
    const Fields kAddress = {FormControl::Address};
    struct Case {
        const char* what;
        std::string address;
        std::optional<std::string> folder;
        std::string name;
        unsigned expected;
        FormControl focus;
        // Fields holding a character the code page cannot spell.
        Fields unspellable = {};
    };
    const std::optional<std::string> none;
    const std::string mail = "C:\\Mail";
    const Case cases[] = {
        {"empty address", "", mail, "n", kNoAddress, FormControl::Address},
        {"empty address comes first", "", none, "", kNoAddress, FormControl::Address},
        {"201 ASCII bytes", AddressOfBytes(201, "x"), mail, "n", kTooLong, FormControl::Address},
        {"201 bytes, mostly double-byte", AddressOfBytes(201, "あ"), mail, "n", kTooLong,
         FormControl::Address},
        {"length is checked before the at sign", std::string(201, 'x'), none, "", kTooLong,
         FormControl::Address},
        {"no full stop", "taro@example", mail, "n", kNotAddress, FormControl::Address},
        {"no at sign", "taro.example.jp", mail, "n", kNotAddress, FormControl::Address},
        {"the at sign only in fields behind the address", "taro?cc=jiro@example.jp", mail, "n",
         kNotAddress, FormControl::Address},
        {"at sign only as the trail byte of the ideographic space", "taro　example.jp", mail, "n",
         kNotAddress, FormControl::Address},
        {"address is checked before the destination", "x", none, "", kNotAddress,
         FormControl::Address},
        {"no destination selected", "a@b.c", none, "n", kNoFolder, FormControl::Destinations},
        {"destination with an empty path", "a@b.c", std::string(), "n", kNoFolder,
         FormControl::Destinations},
        {"destination is checked before the name", "a@b.c", none, "", kNoFolder,
         FormControl::Destinations},
        {"empty name", "a@b.c", mail, "", kNoName, FormControl::Name},
        {"the scheme alone is an empty address", "MailTo:", mail, "n", kNoAddress,
         FormControl::Address},
        {"nothing but control bytes is an empty address", "\t\r\n", mail, "n", kNoAddress,
         FormControl::Address},
        {"an address the code page cannot spell", "taro@example.jp", mail, "n",
         IDS_ADDRESS_NOT_SPELLABLE, FormControl::Address, kAddress},
        {"the unspellable address comes first",
         "",
         none,
         "",
         IDS_ADDRESS_NOT_SPELLABLE,
         FormControl::Address,
         {FormControl::Address, FormControl::Name, FormControl::Subject}},
        {"a name the code page cannot spell",
         "a@b.c",
         mail,
         "sub",
         IDS_NAME_NOT_SPELLABLE,
         FormControl::Name,
         {FormControl::Name}},
        {"destination is checked before the unspellable name",
         "a@b.c",
         none,
         "sub",
         kNoFolder,
         FormControl::Destinations,
         {FormControl::Name}},
        {"a subject the code page cannot spell",
         "a@b.c",
         mail,
         "n",
         IDS_SUBJECT_NOT_SPELLABLE,
         FormControl::Subject,
         {FormControl::Subject}},
        {"the name is checked before the unspellable subject",
         "a@b.c",
         mail,
         "",
         kNoName,
         FormControl::Name,
         {FormControl::Subject}},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        form.texts[FormControl::Address] = c.address;
        form.texts[FormControl::Name] = c.name;
        form.texts[FormControl::Subject] = "s";
        form.unspellable = c.unspellable;
        form.iconIndex = 1;
        store.existing.insert("C:\\Mail\\.url");  // an existing file changes nothing
        RunCreateCommand(form, store, c.folder, kIconFile);

        EXPECT_EQ(
            form.messages,
            (std::vector<ShownMessage>{{c.expected, IDS_CAPTION_CHECK, message_box::kWarning, ""}}))
            << c.what;
        // The box first, then the focus; the file system is never asked.
        EXPECT_EQ(events,
                  (Events{MessageEvent(c.expected), std::string("focus ") + ControlName(c.focus)}))
            << c.what;
        EXPECT_EQ(form.texts[FormControl::Address], c.address) << c.what;
        EXPECT_EQ(form.iconIndex, 1) << c.what;
    }
}

// CC and BCC are checked like the address when they are not empty, after every check
// of the other fields; then the body.
TEST_F(CreateCommand, RefusesCopiesAndABodyItCannotUse) {
    using Fields = std::set<FormControl>;
    struct Case {
        const char* what;
        std::string subject;
        std::string cc;
        std::string bcc;
        Fields unspellable;
        unsigned expected;
        FormControl focus;
    };
    const FormControl kCc = FormControl::Cc, kBcc = FormControl::Bcc;
    const std::string tooLong = AddressOfBytes(201, "あ");
    const Case cases[] = {
        {"CC the code page cannot spell", "s", "", "", {kCc}, IDS_CC_NOT_SPELLABLE, kCc},
        {"CC of 201 bytes", "s", tooLong, "", {}, IDS_CC_TOO_LONG, kCc},
        {"CC without a full stop", "s", "jiro@example", "", {}, IDS_CC_NOT_AN_ADDRESS, kCc},
        {"CC whose at sign is a trail byte",
         "s",
         "jiro　example.jp",
         "",
         {},
         IDS_CC_NOT_AN_ADDRESS,
         kCc},
        {"BCC the code page cannot spell", "s", "", "", {kBcc}, IDS_BCC_NOT_SPELLABLE, kBcc},
        {"BCC of 201 bytes", "s", "", tooLong, {}, IDS_BCC_TOO_LONG, kBcc},
        {"BCC without an at sign", "s", "", "boss.example.jp", {}, IDS_BCC_NOT_AN_ADDRESS, kBcc},
        {"the body the code page cannot spell",
         "s",
         "",
         "",
         {FormControl::Body},
         IDS_BODY_NOT_SPELLABLE,
         FormControl::Body},
        {"the subject comes before CC",
         "s",
         "x",
         "",
         {FormControl::Subject},
         IDS_SUBJECT_NOT_SPELLABLE,
         FormControl::Subject},
        {"CC comes before BCC", "s", "x", "y", {}, IDS_CC_NOT_AN_ADDRESS, kCc},
        {"BCC comes before the body",
         "s",
         "",
         "y",
         {FormControl::Body},
         IDS_BCC_NOT_AN_ADDRESS,
         kBcc},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        FillIn(form);
        form.texts[FormControl::Cc] = c.cc;
        form.texts[FormControl::Bcc] = c.bcc;
        form.unspellable = c.unspellable;
        RunCreateCommand(form, store, folder, kIconFile);
        EXPECT_EQ(events,
                  (Events{MessageEvent(c.expected), std::string("focus ") + ControlName(c.focus)}))
            << c.what;
        EXPECT_EQ(form.messages[0].captionId, static_cast<unsigned>(IDS_CAPTION_CHECK)) << c.what;
    }
}

// A subject or body typed in its box while the address carries one would make two;
// CC and BCC may repeat, and a field the box does not fill stays with the address.
TEST_F(CreateCommand, RefusesASecondSubjectOrBodyButNotASecondCopy) {
    const unsigned kWritten = 0;
    struct Case {
        std::string address;
        std::string subject;
        std::string cc;
        std::string body;
        unsigned expected;
    };
    const std::string a = "taro@example.jp?";
    const Case cases[] = {
        {a + "subject=x", "s", "", "", IDS_SECOND_SUBJECT},
        {a + "Subject=x", "s", "", "", IDS_SECOND_SUBJECT},
        {a + "cc=c@d.jp&SUBJECT=", "s", "", "", IDS_SECOND_SUBJECT},
        {a + "body=x", "", "", "b", IDS_SECOND_BODY},
        {a + "x=1&Body=x", "", "", "\r\n", IDS_SECOND_BODY},
        {a + "BODY=x", "s", "", "b", IDS_SECOND_BODY},
        {a + "subject=x", "", "", "", kWritten},
        {a + "body=x", "s", "", "\x01", kWritten},  // nothing of the box is written
        {a + "cc=c@d.jp&bcc=e@f.jp", "s", "g@h.jp", "b", kWritten},
        {a + "subjects=x&x=subject=&body", "s", "", "b", kWritten},
        // A "?" in a CC is escaped in its value, not read as fields.
        {"taro@example.jp", "s", "c@d.jp?subject=x", "", kWritten},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        form.texts[FormControl::Address] = c.address;
        form.texts[FormControl::Name] = "n";
        form.texts[FormControl::Subject] = c.subject;
        form.texts[FormControl::Cc] = c.cc;
        form.texts[FormControl::Body] = c.body;
        RunCreateCommand(form, store, folder, kIconFile);
        if (c.expected == kWritten) {
            EXPECT_EQ(store.written.size(), 1u) << c.address << " " << c.cc;
            continue;
        }
        EXPECT_EQ(
            form.messages,
            (std::vector<ShownMessage>{{c.expected, IDS_CAPTION_CHECK, message_box::kWarning, ""}}))
            << c.address;
        EXPECT_EQ(events, (Events{MessageEvent(c.expected), "focus Address"})) << c.address;
        EXPECT_EQ(form.texts[FormControl::Subject], c.subject) << c.address;
    }
}

TEST_F(CreateCommand, WritesCopiesAndABodyAndClearsThem) {
    form.texts[FormControl::Cc] = " 　jiro@example.jp, hanako@example.jp?　";
    form.texts[FormControl::Bcc] = AddressOfBytes(200, "x");
    form.texts[FormControl::Body] = "お疲れ様です。\r\n以上";
    Run();
    ASSERT_EQ(store.written.size(), 1u);
    EXPECT_EQ(Body(store.written[0]),
              "[InternetShortcut]\nURL=mailto:taro@example.jp?Subject=Hello"
              "&cc=jiro@example.jp,%20hanako@example.jp%3F&bcc=" +
                  AddressOfBytes(200, "x") +
                  "&body=お疲れ様です。%0D%0A以上\n"
                  "IconFile=C:\\ravlet\\ravlet.exe\nIconIndex=2\n");
    for (const FormControl field : {FormControl::Cc, FormControl::Bcc, FormControl::Body}) {
        EXPECT_EQ(form.texts[field], "") << ControlName(field);
    }
}

// "mailto:taro@example.jp?Subject=Hello&body=" and a body of the bytes left to a length.
std::string BodyForUrlOf(size_t urlBytes) {
    return std::string(urlBytes - std::string("mailto:taro@example.jp?Subject=Hello&body=").size(),
                       'x');
}

TEST_F(CreateCommand, AsksBeforeWritingAUrlOfMoreThan2048Bytes) {
    const ShownMessage question = {IDS_CONFIRM_LONG_URL, IDS_CAPTION_LONG_URL,
                                   message_box::kQuestionDefaultNo, "2049"};
    struct Case {
        const char* what;
        size_t urlBytes;
        std::vector<int> answers;
        std::vector<ShownMessage> messages;
        size_t files;
    };
    const Case cases[] = {
        {"2,048 bytes: no question", 2048, {}, {Created("taro@example.jp")}, 1},
        {"2,049 bytes and Yes",
         2049,
         {message_box::kYes},
         {question, Created("taro@example.jp")},
         1},
        {"2,049 bytes and No", 2049, {message_box::kNo}, {question}, 0},
        {"2,049 bytes and a box that could not be shown", 2049, {0}, {question}, 0},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        FillIn(form);
        form.texts[FormControl::Body] = BodyForUrlOf(c.urlBytes);
        form.answers.assign(c.answers.begin(), c.answers.end());
        RunCreateCommand(form, store, folder, kIconFile);
        EXPECT_EQ(form.messages, c.messages) << c.what;
        EXPECT_EQ(store.written.size(), c.files) << c.what;
        if (c.files == 0) {
            // Nothing on disk is looked at, and the user goes on where the text is long.
            EXPECT_EQ(events, (Events{MessageEvent(IDS_CONFIRM_LONG_URL), "focus Body"})) << c.what;
            ExpectFormUntouched(form);
        }
    }
}

// Where the shell does not read code page 932 the URL is ASCII; the length question
// counts the escapes as written. A system that does read it keeps the raw bytes.
TEST_F(CreateCommand, TheUrlFormFollowsTheSystemAndTheLengthCountsWhatIsWritten) {
    const IconvCodePageSpelling shiftJis;
    // 42 bytes before the body, then 223 characters of two bytes raw, nine escaped.
    std::string body;
    for (int i = 0; i < 223; ++i) {
        body += "あ";
    }
    const ShownMessage question = {IDS_CONFIRM_LONG_URL, IDS_CAPTION_LONG_URL,
                                   message_box::kQuestionDefaultNo, "2049"};
    for (const bool readsShiftJis : {true, false}) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        FillIn(form);
        form.texts[FormControl::Body] = body;
        form.answers = {message_box::kYes, message_box::kOk};
        ShortcutWriting writing{&shiftJis, readsShiftJis, false};
        RunCreateCommand(form, store, folder, kIconFile, nullptr, &writing);
        ASSERT_EQ(store.written.size(), 1u) << readsShiftJis;
        const std::string file = Body(store.written[0]);
        const std::string url = file.substr(23, file.find('\n', 23) - 23);
        if (readsShiftJis) {
            EXPECT_EQ(form.messages, std::vector<ShownMessage>{Created("taro@example.jp")});
            EXPECT_EQ(url.substr(42, 4), "ああ");
        } else {
            EXPECT_EQ(form.messages,
                      (std::vector<ShownMessage>{question, Created("taro@example.jp")}));
            EXPECT_EQ(url.substr(42, 9), "%E3%81%82");
            EXPECT_EQ(url.size(), 2049u);
        }
    }
}

// Without an icon file to name, the first shortcut given an envelope says once that it
// shows the standard icon; one made with the standard icon says nothing.
TEST_F(CreateCommand, TheStandardIconInsteadOfAnEnvelopeIsToldOncePerRun) {
    ShortcutWriting writing;
    writing.standardIconNoticeDue = true;
    const ShownMessage told = {IDS_SHORTCUT_CREATED_STANDARD_ICON, IDS_CAPTION_DONE,
                               message_box::kInformation, "taro@example.jp"};
    const int icons[] = {0, 2, 2};
    for (const int icon : icons) {
        FillIn(form);
        form.iconIndex = icon;
        RunCreateCommand(form, store, folder, "", nullptr, &writing);
    }
    EXPECT_EQ(form.messages, (std::vector<ShownMessage>{Created("taro@example.jp"), told,
                                                        Created("taro@example.jp")}));
    ASSERT_EQ(store.written.size(), 3u);
    EXPECT_EQ(Body(store.written[1]).find("Icon"), std::string::npos);
}

TEST_F(CreateCommand, ALongUrlWithoutABodySendsTheUserToTheSubject) {
    form.texts[FormControl::Subject] = std::string(3000, 's');
    form.answers = {message_box::kNo};
    Run();
    EXPECT_EQ(events, (Events{MessageEvent(IDS_CONFIRM_LONG_URL), "focus Subject"}));
}

TEST_F(CreateCommand, TheLengthQuestionComesBeforeTheOverwriteQuestion) {
    form.texts[FormControl::Body] = BodyForUrlOf(3000);
    store.existing.insert(path);
    form.answers = {message_box::kYes, message_box::kYes};
    Run();
    ASSERT_EQ(form.messages.size(), 3u);
    EXPECT_EQ(form.messages[0].textId, static_cast<unsigned>(IDS_CONFIRM_LONG_URL));
    EXPECT_EQ(form.messages[1].textId, static_cast<unsigned>(IDS_CONFIRM_OVERWRITE));
    EXPECT_EQ(store.written.size(), 1u);
}

TEST_F(CreateCommand, AcceptsTheAddressesAtTheEdgeOfEachCheck) {
    const std::string cases[] = {
        AddressOfBytes(200, "x"),
        AddressOfBytes(200, "あ"),
        "@.",
        ".@",
        "表@ソ.jp",
        // Fields behind the address (a reply's message id, say) are no recipients.
        AddressOfBytes(200, "x") + "?in-reply-to=%3C" + std::string(100, 'm') + "%3E",
    };
    for (const std::string& address : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        form.texts[FormControl::Address] = address;
        form.texts[FormControl::Name] = "n";
        RunCreateCommand(form, store, std::string("C:\\"), kIconFile);
        ASSERT_EQ(store.written.size(), 1u) << address;
        EXPECT_EQ(form.messages, std::vector<ShownMessage>{Created(address)}) << address;
    }
}

TEST_F(CreateCommand, WritesClosesReportsAndResetsInThisOrder) {
    Run();
    EXPECT_EQ(events, (Events{
                          "exists " + path,
                          "write " + path,
                          MessageEvent(IDS_SHORTCUT_CREATED),
                          "edited 0",
                          "icon 0",
                          "set Address=",
                          "set Name=",
                          "set Subject=",
                          "set Cc=",
                          "set Bcc=",
                          "set Body=",
                          "focus Address",
                          "clear preview",
                      }));
    ASSERT_EQ(store.written.size(), 1u);
    EXPECT_EQ(Body(store.written[0]),
              "[InternetShortcut]\nURL=mailto:taro@example.jp?Subject=Hello\n"
              "IconFile=C:\\ravlet\\ravlet.exe\nIconIndex=2\n");
    EXPECT_EQ(form.messages, std::vector<ShownMessage>{Created("taro@example.jp")});
    EXPECT_FALSE(form.previewShown);
}

TEST_F(CreateCommand, DriveRootGetsNoSecondBackslash) {
    folder = "C:\\";
    Run();
    EXPECT_EQ(events[0], "exists C:\\taro@example.jp さんへ.url");
}

TEST_F(CreateCommand, AfterSuccessTheNextShortcutHasTheStandardIcon) {
    Run();
    form.texts[FormControl::Address] = "b@c.d";
    form.texts[FormControl::Name] = "b";
    Run();
    ASSERT_EQ(store.written.size(), 2u);
    EXPECT_EQ(Body(store.written[1]), "[InternetShortcut]\nURL=mailto:b@c.d\n");
}

// No, Cancel, and 0 from a box that could not be shown: only Yes replaces the file.
TEST_F(CreateCommand, AnyAnswerButYesToTheOverwriteQuestionLeavesEverythingAsItWas) {
    for (const int answer : {message_box::kNo, message_box::kCancel, 0}) {
        SCOPED_TRACE(answer);
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        FillIn(form);
        store.existing.insert(path);
        form.answers = {answer};
        RunCreateCommand(form, store, folder, kIconFile);

        const ShownMessage question = {IDS_CONFIRM_OVERWRITE, IDS_CAPTION_OVERWRITE,
                                       message_box::kQuestion, "taro@example.jp さんへ"};
        EXPECT_EQ(form.messages, (std::vector<ShownMessage>{question, kAborted}));
        EXPECT_TRUE(store.written.empty());
        EXPECT_EQ(form.focus, FormControl::Subject);
        ExpectFormUntouched(form);
    }
}

TEST_F(CreateCommand, ExistingFileAndYesReplacesIt) {
    store.existing.insert(path);
    form.answers = {message_box::kYes};
    Run();
    ASSERT_EQ(store.written.size(), 1u);
    ASSERT_EQ(form.messages.size(), 2u);
    EXPECT_EQ(form.messages[1], Created("taro@example.jp"));
}

// Cancel, and anything else but Retry (0 from a box that could not be shown), ends the
// retries.
TEST_F(CreateCommand, RefusedWriteRetriedUntilAnswerIsNotRetry) {
    for (const int last : {message_box::kCancel, 0, message_box::kOk}) {
        SCOPED_TRACE(last);
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        FillIn(form);
        store.failures.assign(5, ShortcutWriteOutcome::Refused);
        form.answers = {message_box::kRetry, last, message_box::kRetry};
        RunCreateCommand(form, store, folder, kIconFile);

        EXPECT_EQ(form.messages,
                  (std::vector<ShownMessage>{CannotCreate(path), CannotCreate(path), kAborted}));
        EXPECT_EQ(std::count(events.begin(), events.end(), "write " + path), 2);
        ExpectFormUntouched(form);
    }
}

// Names and folders Windows would turn into a device, a hidden stream or another file
// never reach the file system: no existence test, no question, no write; the retry box
// names the path until the user gives up.
TEST_F(CreateCommand, NamesAndFoldersTheFileSystemCannotTakeAreNeverTried) {
    struct Case {
        const char* what;
        std::string folder;
        std::string name;
        std::string shownPath;
    };
    const Case cases[] = {
        {"a device", "C:\\Mail", "NUL", "C:\\Mail\\NUL.url"},
        {"a device in any case, with an extension", "C:\\Mail", "com1.txt",
         "C:\\Mail\\com1.txt.url"},
        {"a device with trailing spaces", "C:\\Mail", "LPT9  ", "C:\\Mail\\LPT9  .url"},
        {"an alternate data stream", "C:\\Mail", "taro:x", "C:\\Mail\\taro:x.url"},
        {"a line feed in the name", "C:\\Mail", "a\nb", "C:\\Mail\\a\nb.url"},
        {"a name ending in a lone lead byte", "C:\\Mail", "taro\x83", "C:\\Mail\\taro\x83.url"},
        {"a folder ending in a lone lead byte", "C:\\Mail\\\x83", "taro",
         "C:\\Mail\\\x83\\taro.url"},
        {"a folder in the device namespace", "\\\\.\\C:\\Mail", "taro",
         "\\\\.\\C:\\Mail\\taro.url"},
        {"a folder behind the Win32 checks", "\\\\?\\C:\\Mail\\", "taro",
         "\\\\?\\C:\\Mail\\taro.url"},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        form.texts[FormControl::Address] = "taro@example.jp";
        form.texts[FormControl::Name] = c.name;
        store.existing.insert(c.shownPath);
        form.answers = {message_box::kRetry, message_box::kCancel};
        RunCreateCommand(form, store, c.folder, kIconFile);

        EXPECT_EQ(events, (Events{MessageEvent(IDS_CANNOT_CREATE_FILE),
                                  MessageEvent(IDS_CANNOT_CREATE_FILE), MessageEvent(IDS_ABORTED)}))
            << c.what;
        ASSERT_EQ(form.messages.size(), 3u) << c.what;
        EXPECT_EQ(form.messages[0], CannotCreate(c.shownPath)) << c.what;
        EXPECT_EQ(form.texts[FormControl::Name], c.name) << c.what;
    }
}

// Another program can put line breaks into the one-line fields, and "copy link" on a
// web page gives the scheme, which the shortcut adds itself: neither reaches the file,
// and the checks and the messages see the address as it is written.
TEST_F(CreateCommand, ControlBytesAndAPastedSchemeNeverReachTheFile) {
    struct Case {
        std::string address;
        std::string subject;
        std::string urlLine;
    };
    const Case cases[] = {
        {"taro@example.jp\r\n", "hello\r\nIconFile=\\\\evil\\s\\i.ico\r\nIconIndex=1",
         "URL=mailto:taro@example.jp?Subject=helloIconFile%3D%5C%5Cevil%5Cs%5Ci.icoIconIndex%"
         "3D1\n"},
        {"MailTo:taro@example.jp", "", "URL=mailto:taro@example.jp\n"},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        form.texts[FormControl::Address] = c.address;
        form.texts[FormControl::Subject] = c.subject;
        form.texts[FormControl::Name] = "n";
        RunCreateCommand(form, store, folder, kIconFile);
        ASSERT_EQ(store.written.size(), 1u) << c.address;
        EXPECT_EQ(Body(store.written[0]), "[InternetShortcut]\n" + c.urlLine) << c.address;
        EXPECT_EQ(form.messages, std::vector<ShownMessage>{Created("taro@example.jp")})
            << c.address;
    }
}

TEST_F(CreateCommand, LongNamesAndPathsAreNeverCutInMessages) {
    const std::string name =
        std::string(300, 'n') + std::string(100, 'x') + "表ソ" + std::string(200, 'y');
    form.texts[FormControl::Name] = name;
    const std::string longPath = "C:\\Mail\\" + name + ".url";
    store.existing.insert(longPath);
    store.failures = {ShortcutWriteOutcome::Refused};
    form.answers = {message_box::kYes, message_box::kCancel};
    Run();
    ASSERT_EQ(form.messages.size(), 3u);
    EXPECT_EQ(form.messages[0].value, name);
    EXPECT_EQ(form.messages[1], CannotCreate(longPath));
}

// Every way a whole write can end, as the user sees it: the boxes in order, and the
// writes asked of the store, replacing only what the user agreed to replace.
TEST_F(CreateCommand, EachEndOfTheWholeWriteIsReportedAndRetriedFromTheStart) {
    using Outcome = ShortcutWriteOutcome;
    const ShownMessage question = {IDS_CONFIRM_OVERWRITE, IDS_CAPTION_OVERWRITE,
                                   message_box::kQuestion, "taro@example.jp さんへ"};
    const ShownMessage created = Created("taro@example.jp");
    const ShownMessage cannot = CannotCreate(path);
    const ShownMessage readBack = {IDS_READ_BACK_FAILED, IDS_CAPTION_CANNOT_CREATE,
                                   message_box::kWarning, path};
    const std::string write = "write " + path;
    const std::string replace = "replace " + path;
    using W = WindowsProfileReading;
    struct Case {
        const char* what;
        bool exists;
        std::deque<Outcome> failures;
        int changedReadBacks;
        std::deque<int> answers;
        std::vector<ShownMessage> messages;
        Events writes;
        // What Windows reads from the new file, where it is not the program's reading.
        std::function<void(W&)> windowsReadsBack = nullptr;
    };
    const Case cases[] = {
        {"a new file", false, {}, 0, {}, {created}, {write}},
        {"an existing file after Yes",
         true,
         {},
         0,
         {message_box::kYes},
         {question, created},
         {replace}},
        {"a file appeared meanwhile, then Yes",
         false,
         {Outcome::TargetAppeared},
         0,
         {message_box::kYes},
         {question, created},
         {write, replace}},
        {"a file appeared meanwhile, then No",
         false,
         {Outcome::TargetAppeared},
         0,
         {message_box::kNo},
         {question, kAborted},
         {write}},
        {"a file appeared meanwhile, and the question could not be shown",
         false,
         {Outcome::TargetAppeared},
         0,
         {0},
         {question, kAborted},
         {write}},
        {"refused (shared, read-only, a link) until the second Retry",
         false,
         {Outcome::Refused, Outcome::Refused},
         0,
         {message_box::kRetry, message_box::kRetry},
         {cannot, cannot, created},
         {write, write, write}},
        {"refused while replacing: Retry replaces again",
         true,
         {Outcome::Refused},
         0,
         {message_box::kYes, message_box::kRetry},
         {question, cannot, created},
         {replace, replace}},
        {"refused, then Cancel",
         false,
         {Outcome::Refused},
         0,
         {message_box::kCancel},
         {cannot, kAborted},
         {write}},
        // A new file that reads back otherwise replaces nothing and ends the command:
        // another try would read the same.
        {"read back changed", false, {}, 1, {}, {readBack}, {write}},
        {"read back changed while replacing",
         true,
         {},
         1,
         {message_box::kYes},
         {question, readBack},
         {replace}},
        {"the store's own check failed", false, {Outcome::CheckFailed}, 0, {}, {readBack}, {write}},
        // Windows reads the new file otherwise: each value, and a value it cannot spell.
        {"Windows reads another URL",
         false,
         {},
         0,
         {},
         {readBack},
         {write},
         [](W& w) { w.url = u"mailto:evil@example.jp"; }},
        {"Windows finds an .A URL",
         false,
         {},
         0,
         {},
         {readBack},
         {write},
         [](W& w) { w.urlA = w.url; }},
        {"Windows finds a .W URL",
         false,
         {},
         0,
         {},
         {readBack},
         {write},
         [](W& w) { w.urlW = u"mailto:taro@example.jp"; }},
        {"Windows reads another icon file",
         false,
         {},
         0,
         {},
         {readBack},
         {write},
         [](W& w) { w.iconFile = u"\\\\evil\\x.ico"; }},
        {"Windows reads no icon index",
         false,
         {},
         0,
         {},
         {readBack},
         {write},
         [](W& w) { w.iconIndex.reset(); }},
        {"Windows reads a character beyond the code page",
         true,
         {},
         0,
         {message_box::kYes},
         {question, readBack},
         {replace},
         [](W& w) { *w.url += u"\u20AC"; }},
    };
    for (const Case& c : cases) {
        Events events;
        FakeForm form(events);
        FakeStore store(events);
        FillIn(form);
        if (c.exists) {
            store.existing.insert(path);
        }
        store.failures = c.failures;
        store.changedReadBacks = c.changedReadBacks;
        store.windowsReadsBack = c.windowsReadsBack;
        form.answers = c.answers;
        RunCreateCommand(form, store, folder, kIconFile);

        EXPECT_EQ(form.messages, c.messages) << c.what;
        Events writes;
        std::copy_if(events.begin(), events.end(), std::back_inserter(writes),
                     [](const std::string& event) {
                         return event.rfind("write ", 0) == 0 || event.rfind("replace ", 0) == 0;
                     });
        EXPECT_EQ(writes, c.writes) << c.what;
        const bool done = c.messages.back() == created;
        EXPECT_EQ(store.written.size(), done ? 1u : 0u) << c.what;
        if (done) {
            EXPECT_EQ(Body(store.written[0]).substr(0, 19), "[InternetShortcut]\n") << c.what;
            EXPECT_EQ(form.texts[FormControl::Address], "") << c.what;
        } else {
            ExpectFormUntouched(form);
        }
    }
}

// The full disk has its own box, shown by the dialog for the error raised here; it
// names the shortcut, and nothing is tried again.
TEST_F(CreateCommand, AFullDiskRaisesTheFileErrorOnceAndLeavesTheFormAsTyped) {
    store.existing.insert(path);
    store.failures = {ShortcutWriteOutcome::DiskFull};
    form.answers = {message_box::kYes};
    try {
        Run();
        FAIL() << "the full disk was swallowed";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), path);
    }
    EXPECT_EQ(events,
              (Events{"exists " + path, MessageEvent(IDS_CONFIRM_OVERWRITE), "replace " + path}));
    EXPECT_EQ(form.messages.size(), 1u);
    ExpectFormUntouched(form);
}

// The dialog raises change notifications when the command clears the fields; name
// suggestion runs on them like on typing.
class CreateCommandWithSuggestions : public CreateCommand {
protected:
    CreateCommandWithSuggestions() { RouteChangesToNameSuggestion(form); }
};

TEST_F(CreateCommandWithSuggestions, SuccessTurnsSuggestionsBackOn) {
    form.nameEdited = true;
    form.focus = FormControl::Address;
    Run();
    EXPECT_FALSE(form.nameEdited);
    form.SetFieldText(FormControl::Address, "hanako@example.jp");
    EXPECT_EQ(form.texts[FormControl::Name], "hanako@example.jp さんへ");
}

TEST_F(CreateCommandWithSuggestions, ClearingTheFocusedNameFieldCountsAsAnEdit) {
    form.nameEdited = true;
    form.focus = FormControl::Name;  // Enter pressed in the name field
    Run();
    EXPECT_TRUE(form.nameEdited);
}

TEST_F(CreateCommandWithSuggestions, RefusedOrAbortedCommandKeepsTheFlag) {
    form.nameEdited = true;
    form.texts[FormControl::Address] = "";
    Run();
    EXPECT_TRUE(form.nameEdited);

    form.texts[FormControl::Address] = "taro@example.jp";
    store.existing.insert(path);
    form.answers = {message_box::kNo};
    Run();
    EXPECT_TRUE(form.nameEdited);
}

}  // namespace
