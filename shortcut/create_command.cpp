#include "shortcut/create_command.h"

#include "res/resource.h"
#include "shortcut/mail_address.h"
#include "shortcut/message_box.h"
#include "shortcut/shortcut_file.h"
#include "shortcut/shortcut_path.h"
#include "text/multibyte.h"

namespace {

constexpr size_t kMaxAddressBytes = 200;

struct Refusal {
    unsigned textId;
    FormControl focus;
};

// The fields as the command reads them; nullopt for a field holding a character the
// ANSI code page cannot spell.
struct Fields {
    std::optional<std::string> address;
    std::optional<std::string> name;
    std::optional<std::string> subject;
};

// The first check the request fails, in the order the user is told about them, or
// nullopt when every check passes. A field the code page cannot spell is refused
// before its other checks: its best-fit spelling could name another file.
std::optional<Refusal> FirstFailedCheck(const Fields& fields,
                                        const std::optional<std::string>& folder) {
    if (!fields.address) {
        return Refusal{IDS_ADDRESS_NOT_SPELLABLE, FormControl::Address};
    }
    const std::string& address = *fields.address;
    if (address.empty()) {
        return Refusal{IDS_NO_ADDRESS, FormControl::Address};
    }
    if (address.size() > kMaxAddressBytes) {
        return Refusal{IDS_ADDRESS_TOO_LONG, FormControl::Address};
    }
    // Whole characters: the ideographic space ends in the byte of "@".
    if (!mbtext::ContainsChar(address, '@') || !mbtext::ContainsChar(address, '.')) {
        return Refusal{IDS_NOT_AN_ADDRESS, FormControl::Address};
    }
    // A slot with an empty path names no folder; the file would land in the current
    // directory of the moment.
    if (!folder || folder->empty()) {
        return Refusal{IDS_NO_DESTINATION, FormControl::Destinations};
    }
    if (!fields.name) {
        return Refusal{IDS_NAME_NOT_SPELLABLE, FormControl::Name};
    }
    if (fields.name->empty()) {
        return Refusal{IDS_NO_NAME, FormControl::Name};
    }
    if (!fields.subject) {
        return Refusal{IDS_SUBJECT_NOT_SPELLABLE, FormControl::Subject};
    }
    return std::nullopt;
}

void ReportAborted(ShortcutForm& form) {
    form.ShowMessage(IDS_ABORTED, IDS_CAPTION_ABORTED, message_box::kWarning);
}

// Only Yes replaces the file: No, and a box that could not be shown (0), do not.
bool ConfirmOverwrite(ShortcutForm& form, const std::string& name) {
    return form.ShowMessage(IDS_CONFIRM_OVERWRITE, IDS_CAPTION_OVERWRITE, message_box::kQuestion,
                            name) == message_box::kYes;
}

// Null when the user gives up after a failed open. Without a path to open every try
// fails at once, as for any other name the file system refuses; shownPath is what the
// box names.
std::unique_ptr<ShortcutFile> OpenWithRetry(ShortcutForm& form, ShortcutStore& store,
                                            const std::optional<std::string>& path,
                                            const std::string& shownPath) {
    for (;;) {
        if (path) {
            if (auto file = store.Open(*path)) {
                return file;
            }
        }
        // Anything but Retry, also a box that could not be shown, ends the loop.
        const int answer = form.ShowMessage(IDS_CANNOT_CREATE_FILE, IDS_CAPTION_CANNOT_CREATE,
                                            message_box::kErrorWithRetry, shownPath);
        if (answer != message_box::kRetry) {
            return nullptr;
        }
    }
}

// Writes and closes the file; on any failure deletes it, so that no broken shortcut
// stays behind, and passes the error on.
void WriteAndClose(ShortcutFile& file, const std::string& address, const std::string& subject,
                   int iconIndex, const std::string& iconFilePath) {
    try {
        WriteMailtoShortcut(file, address, subject, iconIndex, iconFilePath);
        file.Close();
    } catch (...) {
        file.Discard();
        throw;
    }
}

void ResetForm(ShortcutForm& form) {
    form.SetNameEditedByUser(false);
    form.SetIconIndex(0);
    form.SetFieldText(FormControl::Address, "");
    form.SetFieldText(FormControl::Name, "");
    form.SetFieldText(FormControl::Subject, "");
    form.SetFocusTo(FormControl::Address);
    form.ClearIconPreview();
}

}  // namespace

void RunCreateCommand(ShortcutForm& form, ShortcutStore& store,
                      const std::optional<std::string>& folder, const std::string& iconFilePath) {
    Fields fields;
    if (const auto text = form.FieldText(FormControl::Address)) {
        fields.address = AddressFromField(*text);
    }
    fields.name = form.FieldText(FormControl::Name);
    // Nobody can type a control byte into the one-line fields; another program can
    // put one there, and a line break would add lines to the file.
    if (const auto text = form.FieldText(FormControl::Subject)) {
        fields.subject = mbtext::WithoutControlBytes(*text);
    }
    const int iconIndex = form.IconIndex();

    if (const auto refusal = FirstFailedCheck(fields, folder)) {
        form.ShowMessage(refusal->textId, IDS_CAPTION_CHECK, message_box::kWarning);
        form.SetFocusTo(refusal->focus);
        return;
    }
    const std::string& address = *fields.address;
    const std::string& name = *fields.name;

    // A name or folder that Windows would turn into a device, a hidden stream or
    // another file is never tried: the user gets the retry box, and nothing is touched.
    std::optional<std::string> path = BuildShortcutPath(*folder, name);
    if (!IsUsableFolder(*folder) || IsRefusedName(name)) {
        path.reset();
    }
    const std::string shownPath = ShortcutPathText(*folder, name);

    // The only guard against replacing a file; "?" and "*" in the name match as
    // wildcards here.
    if (path && store.Exists(*path) && !ConfirmOverwrite(form, name)) {
        ReportAborted(form);
        return;
    }

    const std::unique_ptr<ShortcutFile> file = OpenWithRetry(form, store, path, shownPath);
    if (!file) {
        ReportAborted(form);
        return;
    }
    // Success is reported only once the data is on disk.
    WriteAndClose(*file, address, *fields.subject, iconIndex, iconFilePath);

    form.ShowMessage(IDS_SHORTCUT_CREATED, IDS_CAPTION_DONE, message_box::kInformation, address);
    ResetForm(form);
}
