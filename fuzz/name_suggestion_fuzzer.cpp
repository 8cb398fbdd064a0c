// Name suggestion through sequences of typing, deleting, pasting, focus moves and the
// reset after a Create, checked against a model of what the user should see.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/check.h"
#include "fuzz/reference_characters.h"
#include "shortcut/name_suggestion.h"
#include "tests/native/shortcut_fakes.h"

namespace {

// " さんへ" in Shift-JIS.
const char kSuffix[] = " \x82\xB3\x82\xF1\x82\xD6";

// The text without the spaces and ideographic spaces (0x81 0x40) that are whole
// characters at either end.
std::string ReferenceTrimmed(const std::string& text) {
    std::vector<std::string_view> characters = reference::Characters(text);
    const auto blank = [](std::string_view character) {
        return character == " " || character == "\x81\x40";
    };
    while (!characters.empty() && blank(characters.back())) {
        characters.pop_back();
    }
    std::string trimmed;
    bool started = false;
    for (std::string_view character : characters) {
        started = started || !blank(character);
        if (started) {
            trimmed += character;
        }
    }
    return trimmed;
}

// The address the user meant: no control byte, no blanks at the ends, and no leading
// "mailto:" in any case (nor the blanks after it).
std::string ReferenceAddress(const std::string& text) {
    std::string address;
    for (unsigned char byte : text) {
        if (byte >= 0x20 && byte != 0x7F) {
            address += static_cast<char>(byte);
        }
    }
    address = ReferenceTrimmed(address);
    std::string start = address.substr(0, 7);
    std::transform(start.begin(), start.end(), start.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return start == "mailto:" ? ReferenceTrimmed(address.substr(7)) : address;
}

std::string ReferenceSuggestion(const std::string& address) {
    std::string name;
    for (std::string_view character : reference::Characters(address)) {
        const bool replaced =
            character.size() == 1 &&
            std::string_view("\\/:,;*?\"<>|").find(character[0]) != std::string_view::npos;
        name += replaced ? std::string(" ") : std::string(character);
    }
    return name.empty() ? name : name + kSuffix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Events events;
    FakeForm form(events);
    form.onFieldChanged = [&form](FormControl field) {
        if (field == FormControl::Address) {
            SuggestShortcutName(form);
        } else if (field == FormControl::Name) {
            NoteNameFieldChange(form);
        }
    };

    // The model: what the name field should show and whether suggestions are off.
    std::string expectedName;
    bool edited = false;
    const auto addressChanged = [&](const std::string& address) {
        form.SetFieldText(FormControl::Address, address);
        const std::string meant = ReferenceAddress(address);
        if (!edited && meant.size() <= 64) {
            expectedName = ReferenceSuggestion(meant);
        }
    };

    for (size_t i = 0; i < size;) {
        const uint8_t operation = data[i++] % 6;
        const char typed = i < size ? static_cast<char>(data[i++]) : 'a';
        std::string address = form.texts[FormControl::Address];
        switch (operation) {
            case 0:  // a key in the address field
                form.focus = FormControl::Address;
                addressChanged(address + typed);
                break;
            case 1:  // backspace in the address field
                form.focus = FormControl::Address;
                if (!address.empty()) {
                    address.pop_back();
                }
                addressChanged(address);
                break;
            case 2:  // a key in the name field
                form.focus = FormControl::Name;
                expectedName = form.texts[FormControl::Name] + typed;
                edited = true;
                form.SetFieldText(FormControl::Name, expectedName);
                break;
            case 3: {  // a paste of up to 80 bytes into the address field
                const size_t length =
                    std::min<size_t>(static_cast<unsigned char>(typed) % 81, size - i);
                form.focus = FormControl::Address;
                addressChanged(address +
                               std::string(reinterpret_cast<const char*>(data + i), length));
                i += length;
                break;
            }
            case 4:  // the focus goes to the subject or the name field
                form.focus = typed & 1 ? FormControl::Name : FormControl::Subject;
                break;
            case 5:  // a successful Create clears the form wherever the focus is
                form.SetNameEditedByUser(false);
                edited = false;
                addressChanged("");
                form.SetFieldText(FormControl::Name, "");
                expectedName = "";
                // Clearing the focused name field counts as the user's edit.
                edited = form.focus == FormControl::Name;
                break;
        }
        FUZZ_CHECK(form.texts[FormControl::Name] == expectedName);
        FUZZ_CHECK(form.nameEdited == edited);
    }
    return 0;
}
