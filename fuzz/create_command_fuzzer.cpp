// The Create command with any field texts, folder, icon and answers, on a store whose
// whole-file writes end in chosen ways. Whatever happens, nothing outside the rules
// reaches the file system, every file written is a well-formed shortcut with one URL
// line, a file is replaced only after a Yes, and success is announced only for a file
// that was written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/check.h"
#include "res/resource.h"
#include "shortcut/create_command.h"
#include "shortcut/file_error.h"
#include "shortcut/mailto_url.h"
#include "shortcut/shortcut_path.h"
#include "tests/native/shortcut_fakes.h"

namespace {

const std::string kIconFile = "C:\\ravlet\\ravlet.exe";

std::vector<std::string> Lines(const std::string& body) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = body.find("\r\n"); end != std::string::npos; end = body.find("\r\n", start)) {
        lines.push_back(body.substr(start, end - start));
        start = end + 2;
    }
    FUZZ_CHECK(start == body.size());  // the last line ends too
    return lines;
}

void CheckShortcutBody(const std::string& body, int iconIndex) {
    const std::vector<std::string> lines = Lines(body);
    FUZZ_CHECK(lines.size() == (iconIndex == 0 ? 2u : 4u));
    FUZZ_CHECK(lines[0] == "[InternetShortcut]");
    FUZZ_CHECK(lines[1].rfind("URL=mailto:", 0) == 0);
    // One line, and one argument when the shell hands it to the mail program: no space
    // and no quote, which are never the trail byte of a double-byte character either.
    for (unsigned char byte : lines[1]) {
        FUZZ_CHECK(byte > 0x20 && byte != 0x7F && byte != '"');
    }
    if (iconIndex != 0) {
        FUZZ_CHECK(lines[2] == "IconFile=" + kIconFile);
        FUZZ_CHECK(lines[3] == "IconIndex=" + std::to_string(iconIndex));
    }
}

// Every path the command hands to the file system, after "exists ", "write " or
// "replace ".
void CheckTouchedPath(const std::string& event, const std::optional<std::string>& folder,
                      const std::string& name) {
    for (const std::string prefix : {"exists ", "write ", "replace "}) {
        if (event.rfind(prefix, 0) != 0) {
            continue;
        }
        FUZZ_CHECK(folder.has_value());
        FUZZ_CHECK(IsUsableFolder(*folder));
        FUZZ_CHECK(!IsRefusedName(name));
        FUZZ_CHECK(event.substr(prefix.size()) == BuildShortcutPath(*folder, name));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    Events events;
    FakeForm form(events);
    FakeStore store(events);
    const std::string address = input.ConsumeRandomLengthString(260);
    const std::string name = input.ConsumeRandomLengthString(100);
    const std::string subject = input.ConsumeRandomLengthString(300);
    std::optional<std::string> folder;
    if (input.ConsumeBool()) {
        folder = input.ConsumeRandomLengthString(100);
    }
    form.texts[FormControl::Address] = address;
    form.texts[FormControl::Name] = name;
    form.texts[FormControl::Subject] = subject;
    form.texts[FormControl::Cc] = input.ConsumeRandomLengthString(60);
    form.texts[FormControl::Bcc] = input.ConsumeRandomLengthString(60);
    form.texts[FormControl::Body] = input.ConsumeRandomLengthString(2100);
    form.iconIndex = input.ConsumeIntegralInRange(0, 5);
    const ShortcutWriteOutcome kFailures[] = {
        ShortcutWriteOutcome::TargetAppeared, ShortcutWriteOutcome::DiskFull,
        ShortcutWriteOutcome::CheckFailed, ShortcutWriteOutcome::Refused};
    for (int failures = input.ConsumeIntegralInRange(0, 3); failures > 0; --failures) {
        store.failures.push_back(input.PickValueInArray(kFailures));
    }
    store.changedReadBacks = input.ConsumeIntegralInRange(0, 2);
    if (folder && input.ConsumeBool()) {
        if (const auto path = BuildShortcutPath(*folder, name)) {
            store.existing.insert(*path);
        }
    }
    // 0: a box that could not be shown.
    const int kButtons[] = {0,
                            message_box::kOk,
                            message_box::kCancel,
                            message_box::kRetry,
                            message_box::kYes,
                            message_box::kNo};
    for (int answers = input.ConsumeIntegralInRange(0, 8); answers > 0; --answers) {
        form.answers.push_back(input.PickValueInArray(kButtons));
    }
    // The answers as given, one per box; OK once they run out.
    std::vector<int> answers(form.answers.begin(), form.answers.end());
    answers.resize(64, message_box::kOk);
    // Fields holding a character the code page cannot spell.
    for (const FormControl field : {FormControl::Address, FormControl::Name, FormControl::Subject,
                                    FormControl::Cc, FormControl::Bcc, FormControl::Body}) {
        if (input.ConsumeIntegralInRange(0, 7) == 0) {
            form.unspellable.insert(field);
        }
    }
    const int iconIndex = form.iconIndex;

    bool failed = false;
    try {
        RunCreateCommand(form, store, folder, kIconFile);
    } catch (const FileError& error) {
        failed = true;
        FUZZ_CHECK(folder && error.path() == BuildShortcutPath(*folder, name));
    }

    for (const std::string& event : events) {
        CheckTouchedPath(event, folder, name);
    }
    FUZZ_CHECK(store.written.size() <= 1);
    // A field the code page cannot spell is refused before the file system is asked.
    if (!form.unspellable.empty()) {
        FUZZ_CHECK(store.tries.empty() && !failed);
        for (const std::string& event : events) {
            FUZZ_CHECK(event.rfind("exists ", 0) != 0);
        }
    }
    bool announced = false;
    std::string announcedAddress;
    for (const ShownMessage& message : form.messages) {
        if (message.style == message_box::kInformation) {
            announced = true;
            announcedAddress = message.value;
        }
    }
    // A replacing write only after a Yes to the overwrite question.
    bool yesToOverwrite = false;
    size_t answered = 0;
    for (const std::string& event : events) {
        if (event == MessageEvent(IDS_CONFIRM_OVERWRITE)) {
            yesToOverwrite = yesToOverwrite || answers[answered] == message_box::kYes;
        }
        if (event.rfind("message ", 0) == 0) {
            ++answered;
        }
        if (event.rfind("replace ", 0) == 0) {
            FUZZ_CHECK(yesToOverwrite);
        }
    }
    if (store.written.empty()) {
        // A failed write leaves no announcement.
        FUZZ_CHECK(!announced);
        return 0;
    }
    const std::string& body = store.written[0].bytes;
    FUZZ_CHECK(!failed);
    {
        FUZZ_CHECK(announced);
        CheckShortcutBody(body, iconIndex);
        // The completion names the address the file holds.
        ShortcutRequest addressOnly;
        addressOnly.address = announcedAddress;
        FUZZ_CHECK(Lines(body)[1].rfind("URL=" + MailtoUrl(addressOnly), 0) == 0);
        // The form is cleared for the next shortcut.
        FUZZ_CHECK(form.texts[FormControl::Address].empty() && form.iconIndex == 0);
    }
    return 0;
}
