#include "shortcut/pending_input.h"

namespace {

constexpr std::array<FormControl, 6> kTextFields = {FormControl::Address, FormControl::Subject,
                                                    FormControl::Cc,      FormControl::Bcc,
                                                    FormControl::Body,    FormControl::Name};

}  // namespace

void PendingInput::MarkClean(ShortcutForm& form) {
    for (size_t i = 0; i < kTextFields.size(); ++i) {
        clean_[i] = form.FieldUtf16Text(kTextFields[i]);
    }
}

bool PendingInput::IsPending(ShortcutForm& form) const {
    for (size_t i = 0; i < kTextFields.size(); ++i) {
        if (form.FieldUtf16Text(kTextFields[i]) != clean_[i]) {
            return true;
        }
    }
    return false;
}
