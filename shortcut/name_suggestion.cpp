#include "shortcut/name_suggestion.h"

#include "text/multibyte.h"

namespace {

// Longer addresses (several recipients, say) would make unwieldy file names.
constexpr size_t kMaxFollowedAddressBytes = 64;

// Characters a file name cannot hold, plus the recipient separators "," and ";".
constexpr char kReplacedChars[] = {'\\', '/', ':', ',', ';', '*', '?', '"', '<', '>', '|'};

}  // namespace

std::optional<std::string> SuggestedName(const std::string& address) {
    if (address.size() > kMaxFollowedAddressBytes) {
        return std::nullopt;
    }
    std::string name = address;
    for (char replaced : kReplacedChars) {
        name = mbtext::ReplaceChar(std::move(name), replaced, ' ');
    }
    if (!name.empty()) {
        name += " さんへ";
    }
    return name;
}

void SuggestShortcutName(ShortcutForm& form) {
    if (form.NameEditedByUser()) {
        return;
    }
    // Past the limit the name keeps the last suggestion made.
    if (const auto name = SuggestedName(form.FieldText(FormControl::Address))) {
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
