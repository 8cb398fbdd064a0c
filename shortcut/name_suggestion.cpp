#include "shortcut/name_suggestion.h"

#include "shortcut/mail_address.h"
#include "text/multibyte.h"

namespace {

// Longer addresses (several recipients, say) would make unwieldy file names.
constexpr size_t kMaxFollowedAddressBytes = 64;

// Characters a file name cannot hold, plus the recipient separators "," and ";".
constexpr char kReplacedChars[] = {'\\', '/', ':', ',', ';', '*', '?', '"', '<', '>', '|'};

// " さんへ" in Shift-JIS: an ASCII space and three double-byte characters.
constexpr char kSuffix[] = " \x82\xB3\x82\xF1\x82\xD6";

}  // namespace

std::optional<std::string> SuggestedName(const std::string& fieldText) {
    // The address as the shortcut will hold it: no control byte, no scheme.
    std::string name = AddressFromField(fieldText);
    if (name.size() > kMaxFollowedAddressBytes) {
        return std::nullopt;
    }
    for (char replaced : kReplacedChars) {
        name = mbtext::ReplaceChar(std::move(name), replaced, ' ');
    }
    if (!name.empty()) {
        name += kSuffix;
    }
    return name;
}

void SuggestShortcutName(ShortcutForm& form) {
    if (form.NameEditedByUser()) {
        return;
    }
    // Past the limit, and while the address holds a character the code page cannot
    // spell, the name keeps the last suggestion made.
    const auto address = form.FieldText(FormControl::Address);
    if (!address) {
        return;
    }
    if (const auto name = SuggestedName(*address)) {
        form.SetFieldText(FormControl::Name, *name);
    }
}

void NoteNameFieldChange(ShortcutForm& form) {
    // The program changes the name only while the focus is elsewhere, so a change
    // with the focus in the field is the user's.
    if (form.HasFocus(FormControl::Name)) {
        form.SetNameEditedByUser(true);
    }
}
