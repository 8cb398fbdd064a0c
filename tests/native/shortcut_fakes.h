// Stand-ins for the main dialog and the file system, for tests of the shortcut
// commands. Both write what happens into one shared event list, so that tests can
// check the order of dialog and file operations.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "shortcut/message_box.h"
#include "shortcut/name_suggestion.h"
#include "shortcut/pending_input.h"
#include "shortcut/shortcut_form.h"
#include "shortcut/shortcut_store.h"
#include "tests/native/windows_reading_double.h"

// The code page the fake store reads files in: Windows' own where the tests run on it.
#ifdef _WIN32
#include "framework/exact_ansi_spelling.h"
using FakeStoreSpelling = ExactAnsiSpelling;
#else
#include "tests/native/iconv_code_page_spelling.h"
using FakeStoreSpelling = IconvCodePageSpelling;
#endif

using Events = std::vector<std::string>;

inline const char* ControlName(FormControl control) {
    switch (control) {
        case FormControl::Address:
            return "Address";
        case FormControl::Subject:
            return "Subject";
        case FormControl::Cc:
            return "Cc";
        case FormControl::Bcc:
            return "Bcc";
        case FormControl::Body:
            return "Body";
        case FormControl::Name:
            return "Name";
        case FormControl::Destinations:
            return "Destinations";
    }
    return "?";
}

// A box as the command asks for it: string table ids, style and the value for "%1".
struct ShownMessage {
    unsigned textId;
    unsigned captionId;
    unsigned style;
    std::string value;

    bool operator==(const ShownMessage& other) const {
        return textId == other.textId && captionId == other.captionId && style == other.style &&
               value == other.value;
    }
};

inline std::ostream& operator<<(std::ostream& out, const ShownMessage& message) {
    return out << "{text " << message.textId << ", caption " << message.captionId << ", style 0x"
               << std::hex << message.style << std::dec << ", value \"" << message.value << "\"}";
}

// The event of a box with the text textId.
inline std::string MessageEvent(unsigned textId) {
    return "message " + std::to_string(textId);
}

class FakeForm : public ShortcutForm {
public:
    explicit FakeForm(Events& events) : events_(events) {}

    std::optional<std::string> FieldText(FormControl field) override {
        if (unspellable.count(field) != 0) {
            return std::nullopt;
        }
        return texts[field];
    }
    // The bytes one unit each; a field in unspellable also holds a character the code
    // page has no counterpart for.
    std::u16string FieldUtf16Text(FormControl field) override {
        const std::string& bytes = texts[field];
        std::u16string text(bytes.begin(), bytes.end());
        if (unspellable.count(field) != 0) {
            text += u'\u2603';
        }
        return text;
    }
    void SetFieldText(FormControl field, const std::string& text) override {
        events_.push_back(std::string("set ") + ControlName(field) + "=" + text);
        texts[field] = text;
        if (onFieldChanged) {
            onFieldChanged(field);
        }
    }
    void SetFocusTo(FormControl control) override {
        events_.push_back(std::string("focus ") + ControlName(control));
        focus = control;
    }
    bool HasFocus(FormControl control) override { return focus == control; }
    int ShowMessage(unsigned textId, unsigned captionId, unsigned style,
                    const std::string& value = {}) override {
        events_.push_back(MessageEvent(textId));
        messages.push_back({textId, captionId, style, value});
        if (answers.empty()) {
            return message_box::kOk;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ClearIconPreview() override {
        events_.push_back("clear preview");
        previewShown = false;
    }
    bool NameEditedByUser() override { return nameEdited; }
    void SetNameEditedByUser(bool edited) override {
        events_.push_back(edited ? "edited 1" : "edited 0");
        nameEdited = edited;
    }
    int IconIndex() override { return iconIndex; }
    void SetIconIndex(int index) override {
        events_.push_back("icon " + std::to_string(index));
        iconIndex = index;
    }
    void MarkInputClean() override { pending.MarkClean(*this); }
    bool InputPending() override { return pending.IsPending(*this); }

    std::map<FormControl, std::string> texts;
    // Fields holding a character the ANSI code page cannot spell.
    std::set<FormControl> unspellable;
    FormControl focus = FormControl::Address;
    bool nameEdited = false;
    int iconIndex = 0;
    bool previewShown = false;
    // Buttons the user presses, one per box; OK once they run out.
    std::deque<int> answers;
    std::vector<ShownMessage> messages;
    // The dialog's change notification, raised by SetFieldText as by typing.
    std::function<void(FormControl)> onFieldChanged;
    // The rule itself: the clean point starts with every field empty.
    PendingInput pending;

private:
    Events& events_;
};

// Routes the form's change notifications as the main dialog does: a change of the
// address runs the name suggestion, a change of the name may mean the user edited it.
inline void RouteChangesToNameSuggestion(FakeForm& form) {
    form.onFieldChanged = [&form](FormControl field) {
        if (field == FormControl::Address) {
            SuggestShortcutName(form);
        } else if (field == FormControl::Name) {
            NoteNameFieldChange(form);
        }
    };
}

// One whole-file write as the command asked for it.
struct FakeWrite {
    std::string path;
    std::string bytes;
    bool replaceExisting = false;
};

class FakeStore : public ShortcutStore {
public:
    explicit FakeStore(Events& events) : events_(events) {}

    bool Exists(const std::string& path) override {
        events_.push_back("exists " + path);
        return existing.count(path) != 0;
    }
    // The first writes end as failures says; the new file reads back changed while
    // changedReadBacks lasts; every other write succeeds.
    ShortcutWriteOutcome WriteWhole(const std::string& path, std::string_view bytes,
                                    bool replaceExisting,
                                    const WrittenShortcutCheck& check) override {
        events_.push_back((replaceExisting ? "replace " : "write ") + path);
        tries.push_back({path, std::string(bytes), replaceExisting});
        if (!failures.empty()) {
            const ShortcutWriteOutcome outcome = failures.front();
            failures.pop_front();
            return outcome;
        }
        std::string onDisk(bytes);
        if (changedReadBacks > 0) {
            --changedReadBacks;
            onDisk += "\r\n";
        }
        WindowsProfileReading windows = AgreeingWindowsReading(onDisk, system.Number());
        if (windowsReadsBack) {
            windowsReadsBack(windows);
        }
        if (check && !check(onDisk, windows)) {
            return ShortcutWriteOutcome::CheckFailed;
        }
        written.push_back(tries.back());
        stored[path] = {std::string(bytes),
                        AgreeingWindowsReading(std::string(bytes), system.Number())};
        return ShortcutWriteOutcome::Written;
    }
    std::optional<StoredShortcut> Read(const std::string& path) override {
        events_.push_back("read " + path);
        const auto file = stored.find(path);
        if (file == stored.end()) {
            return std::nullopt;
        }
        return file->second;
    }
    const CodePageSpelling& Spelling() const override { return spelling_; }
    const SystemCodePage* System() const override { return &system; }

    // Puts a file on the disk as Windows would read it.
    void Store(const std::string& path, const std::string& bytes) {
        stored[path] = {bytes, AgreeingWindowsReading(bytes, system.Number())};
    }

    // The code page the shell reads the files in.
    TestSystemCodePage system{932};

    std::set<std::string> existing;
    std::deque<ShortcutWriteOutcome> failures;
    int changedReadBacks = 0;
    // Changes what Windows reads from each new file before its check.
    std::function<void(WindowsProfileReading&)> windowsReadsBack;
    // The files Read finds: bytes and what Windows reads from them.
    std::map<std::string, StoredShortcut> stored;
    // Every write asked for, and those that replaced or made the file.
    std::vector<FakeWrite> tries;
    std::vector<FakeWrite> written;

private:
    Events& events_;
    FakeStoreSpelling spelling_;
};
