#include "shortcut/create_command.h"

#include "res/resource.h"
#include "shortcut/file_error.h"
#include "shortcut/mail_address.h"
#include "shortcut/mailto_url.h"
#include "shortcut/mailto_url_reader.h"
#include "shortcut/message_box.h"
#include "shortcut/shortcut_file.h"
#include "shortcut/shortcut_path.h"
#include "shortcut/shortcut_reader.h"
#include "text/multibyte.h"
#include "text/shift_jis_system_code_page.h"

namespace {

constexpr size_t kMaxAddressBytes = 200;
// Some mail programs cut a longer URL (classic Outlook at 2,083 characters).
constexpr size_t kMaxUncutUrlBytes = 2048;

struct Refusal {
    unsigned textId;
    FormControl focus;
};

// The fields as the command reads them; nullopt for a field holding a character that
// code page 932 cannot spell.
struct Fields {
    std::optional<std::string> address;
    std::optional<std::string> name;
    std::optional<std::string> subject;
    std::optional<std::string> cc;
    std::optional<std::string> bcc;
    std::optional<std::string> body;
};

// The messages about one field of addresses, and where the focus goes.
struct AddressField {
    FormControl control;
    unsigned notSpellable;
    unsigned tooLong;
    unsigned notAnAddress;
    // The address may carry fields behind a "?" (pasted, or kept from an opened
    // shortcut, such as "in-reply-to="); they are no recipients.
    bool mayHoldFields;
};

constexpr AddressField kAddress = {FormControl::Address, IDS_ADDRESS_NOT_SPELLABLE,
                                   IDS_ADDRESS_TOO_LONG, IDS_NOT_AN_ADDRESS, true};
constexpr AddressField kCc = {FormControl::Cc, IDS_CC_NOT_SPELLABLE, IDS_CC_TOO_LONG,
                              IDS_CC_NOT_AN_ADDRESS, false};
constexpr AddressField kBcc = {FormControl::Bcc, IDS_BCC_NOT_SPELLABLE, IDS_BCC_TOO_LONG,
                               IDS_BCC_NOT_AN_ADDRESS, false};

// The checks of a field of addresses that is not empty.
std::optional<Refusal> AddressRefusal(const std::optional<std::string>& text,
                                      const AddressField& field) {
    if (!text) {
        return Refusal{field.notSpellable, field.control};
    }
    const std::string_view recipients = std::string_view(*text).substr(
        0, field.mayHoldFields ? mbtext::FindChar(*text, '?') : std::string_view::npos);
    if (recipients.size() > kMaxAddressBytes) {
        return Refusal{field.tooLong, field.control};
    }
    // Whole characters: the ideographic space ends in the byte of "@".
    if (!mbtext::ContainsChar(recipients, '@') || !mbtext::ContainsChar(recipients, '.')) {
        return Refusal{field.notAnAddress, field.control};
    }
    return std::nullopt;
}

// CC and BCC may stay empty.
std::optional<Refusal> CopiesRefusal(const std::optional<std::string>& text,
                                     const AddressField& field) {
    if (text && text->empty()) {
        return std::nullopt;
    }
    return AddressRefusal(text, field);
}

// True when the fields behind the address ("?subject=...&body=...") hold one named
// field, its name in any case.
bool AddressHoldsField(std::string_view address, MailtoField field) {
    size_t start = mbtext::FindChar(address, '?');
    while (start != std::string_view::npos) {
        ++start;
        const size_t end = mbtext::FindChar(address, '&', start);
        const std::string_view piece = address.substr(start, end - start);
        const size_t equals = mbtext::FindChar(piece, '=');
        if (equals != std::string_view::npos &&
            MailtoFieldNamed(piece.substr(0, equals)) == field) {
            return true;
        }
        start = end;
    }
    return false;
}

// A subject or body typed in its box while the address already carries one would make
// two, and mail programs differ in which they take. CC and BCC may repeat: the mail
// program joins them.
std::optional<Refusal> SecondFieldRefusal(const Fields& fields) {
    if (!fields.subject->empty() && AddressHoldsField(*fields.address, MailtoField::Subject)) {
        return Refusal{IDS_SECOND_SUBJECT, FormControl::Address};
    }
    if (!mbtext::WithCrLfLineBreaks(*fields.body).empty() &&
        AddressHoldsField(*fields.address, MailtoField::Body)) {
        return Refusal{IDS_SECOND_BODY, FormControl::Address};
    }
    return std::nullopt;
}

// The first check the request fails, in the order the user is told about them, or
// nullopt when every check passes. A field the code page cannot spell is refused
// before its other checks: its best-fit spelling could name another file.
std::optional<Refusal> FirstFailedCheck(const Fields& fields,
                                        const std::optional<std::string>& folder) {
    if (fields.address && fields.address->empty()) {
        return Refusal{IDS_NO_ADDRESS, FormControl::Address};
    }
    if (auto refusal = AddressRefusal(fields.address, kAddress)) {
        return refusal;
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
    if (auto refusal = CopiesRefusal(fields.cc, kCc)) {
        return refusal;
    }
    if (auto refusal = CopiesRefusal(fields.bcc, kBcc)) {
        return refusal;
    }
    if (!fields.body) {
        return Refusal{IDS_BODY_NOT_SPELLABLE, FormControl::Body};
    }
    return SecondFieldRefusal(fields);
}

void ReportAborted(ShortcutForm& form) {
    form.ShowMessage(IDS_ABORTED, IDS_CAPTION_ABORTED, message_box::kWarning);
}

// Only Yes replaces the file: No, and a box that could not be shown (0), do not.
bool ConfirmOverwrite(ShortcutForm& form, const std::string& name) {
    return form.ShowMessage(IDS_CONFIRM_OVERWRITE, IDS_CAPTION_OVERWRITE, message_box::kQuestion,
                            name) == message_box::kYes;
}

// Anything but Retry, also a box that could not be shown, gives up. shownPath is what
// the box names: the target, never the new file beside it.
bool RetryAfterRefusal(ShortcutForm& form, const std::string& shownPath) {
    return form.ShowMessage(IDS_CANNOT_CREATE_FILE, IDS_CAPTION_CANNOT_CREATE,
                            message_box::kErrorWithRetry, shownPath) == message_box::kRetry;
}

enum class WriteEnd { Written, GaveUp, ReadBackFailed };

// Writes the file whole, going round again on Retry and after a Yes to a file that
// appeared meanwhile. Without a path to write every try is refused at once, as for any
// other name the file system refuses. A full disk raises FileError naming the target,
// after which the old file is as it was. A new file that does not read back as
// composed replaces nothing, and its box ends the command: another try would read the
// same.
WriteEnd WriteWithRetry(ShortcutForm& form, ShortcutStore& store,
                        const std::optional<std::string>& path, const std::string& shownPath,
                        const std::string& name, const std::string& bytes, bool replaceExisting,
                        const WrittenShortcutCheck& readsBack) {
    for (;;) {
        const ShortcutWriteOutcome outcome =
            path ? store.WriteWhole(*path, bytes, replaceExisting, readsBack)
                 : ShortcutWriteOutcome::Refused;
        switch (outcome) {
            case ShortcutWriteOutcome::Written:
                return WriteEnd::Written;
            case ShortcutWriteOutcome::TargetAppeared:
                // Never replace a file the user was not asked about.
                if (!ConfirmOverwrite(form, name)) {
                    return WriteEnd::GaveUp;
                }
                replaceExisting = true;
                break;
            case ShortcutWriteOutcome::DiskFull:
                throw FileError(*path);
            case ShortcutWriteOutcome::CheckFailed:
                form.ShowMessage(IDS_READ_BACK_FAILED, IDS_CAPTION_CANNOT_CREATE,
                                 message_box::kWarning, shownPath);
                return WriteEnd::ReadBackFailed;
            case ShortcutWriteOutcome::Refused:
                if (!RetryAfterRefusal(form, shownPath)) {
                    return WriteEnd::GaveUp;
                }
                break;
        }
    }
}

// The URL and icon values a new file must read back as, in UTF-16 as the system reads
// the bytes written.
struct ComposedValues {
    std::optional<std::u16string> url;
    std::optional<std::u16string> iconFile;
    std::optional<std::u16string> iconIndex;
};

ComposedValues Composed(const ShortcutRequest& request, const std::string& iconFilePath,
                        const ShortcutRewrite* rewrite, const SystemCodePage& system) {
    ComposedValues values{system.Decode(MailtoUrl(request)), std::nullopt, std::nullopt};
    if (rewrite && KeepsIconLines(request, iconFilePath, *rewrite)) {
        values.iconFile = rewrite->lines.iconFile;
        values.iconIndex = rewrite->lines.iconIndex;
    } else if (request.iconIndex != 0 && !iconFilePath.empty()) {
        values.iconFile = system.Decode(iconFilePath);
        const std::string index = std::to_string(request.iconIndex);
        values.iconIndex = std::u16string(index.begin(), index.end());
    }
    return values;
}

// The new file, read as the program reads an opened shortcut and as Windows' profile
// functions read it, gives exactly the composed URL and icon and no copy of a URL in
// the .A or .W section that the shell would prefer; and it is byte for byte what was
// composed (a filter that changed it, a disk that lost a block).
WrittenShortcutCheck ReadsBackAsComposed(const std::string& bytes, const ComposedValues& composed,
                                         const SystemCodePage& system) {
    return [&bytes, &composed, &system](std::string_view onDisk,
                                        const WindowsProfileReading& windows) {
        if (onDisk != bytes || !composed.url) {
            return false;
        }
        const std::optional<ShortcutFileLines> lines = ReadShortcutLines(onDisk, system);
        return lines && lines->hasSection && lines->url == composed.url &&
               lines->iconFile == composed.iconFile && lines->iconIndex == composed.iconIndex &&
               !lines->urlA && !lines->urlW && WindowsReadsTheSame(*lines, windows);
    };
}

// The opened shortcut as its file is now, decided again: its kept lines and, unless the
// user picked an icon, its icon. nullopt when the program can no longer read the file;
// it is then written from the fields alone, like any other file that is there.
std::optional<ShortcutRewrite> ReadAgain(ShortcutStore& store, const ShortcutRewrite& opened,
                                         ShortcutRequest& request) {
    const std::optional<StoredShortcut> stored = store.Read(opened.path);
    if (!stored) {
        return std::nullopt;
    }
    ShortcutReading reading =
        ReadShortcut(stored->bytes, store.Spelling(), &stored->windows, store.System());
    auto* now = std::get_if<OpenedShortcut>(&reading);
    if (!now) {
        return std::nullopt;
    }
    // What the open noted about the file stays; its lines and icon are the file's now.
    ShortcutRewrite rewrite = opened;
    rewrite.lines = std::move(now->lines);
    if (!opened.iconPicked) {
        request.iconIndex = now->iconIndex;
        rewrite.keepsOwnIcon = now->keepsOwnIcon;
    }
    return rewrite;
}

// Only Yes writes a URL that some mail programs would cut: No, and a box that could not
// be shown (0), end the command where the user can shorten the text.
bool ConfirmLongUrl(ShortcutForm& form, const ShortcutRequest& request, const std::string& url) {
    if (url.size() <= kMaxUncutUrlBytes) {
        return true;
    }
    if (form.ShowMessage(IDS_CONFIRM_LONG_URL, IDS_CAPTION_LONG_URL,
                         message_box::kQuestionDefaultNo,
                         std::to_string(url.size())) == message_box::kYes) {
        return true;
    }
    form.SetFocusTo(request.body.empty() ? FormControl::Subject : FormControl::Body);
    return false;
}

// Text beyond ASCII goes into the URL as UTF-8 escapes where the shell does not read
// code page 932, and in a shortcut opened in that form wherever it is written.
const CodePageSpelling* UrlFormFor(const ShortcutWriting* writing,
                                   const std::optional<ShortcutRewrite>* opened) {
    if (!writing) {
        return nullptr;
    }
    const bool openedEscaped = opened && *opened && (*opened)->utf8EscapedForm;
    return !writing->systemReadsShiftJis || openedEscaped ? writing->shiftJis : nullptr;
}

// The completion box, which says once per run that the shortcut shows the standard
// icon because the shell cannot be told where the program is.
unsigned CompletionText(ShortcutWriting* writing, bool standardIcon) {
    if (!writing || !standardIcon || !writing->standardIconNoticeDue) {
        return IDS_SHORTCUT_CREATED;
    }
    writing->standardIconNoticeDue = false;
    return IDS_SHORTCUT_CREATED_STANDARD_ICON;
}

void ResetForm(ShortcutForm& form) {
    form.SetNameEditedByUser(false);
    form.SetIconIndex(0);
    form.SetFieldText(FormControl::Address, "");
    form.SetFieldText(FormControl::Name, "");
    form.SetFieldText(FormControl::Subject, "");
    form.SetFieldText(FormControl::Cc, "");
    form.SetFieldText(FormControl::Bcc, "");
    form.SetFieldText(FormControl::Body, "");
    form.SetFocusTo(FormControl::Address);
    form.ClearIconPreview();
}

// The form's fields as the checks see them.
Fields ReadFields(ShortcutForm& form) {
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
    const auto recipients = [&form](FormControl control) -> std::optional<std::string> {
        if (const auto text = form.FieldText(control)) {
            return RecipientsFromField(*text);
        }
        return std::nullopt;
    };
    fields.cc = recipients(FormControl::Cc);
    fields.bcc = recipients(FormControl::Bcc);
    // The composition turns its line breaks and tabs into escapes.
    fields.body = form.FieldText(FormControl::Body);
    return fields;
}

}  // namespace

void RunCreateCommand(ShortcutForm& form, ShortcutStore& store,
                      const std::optional<std::string>& folder, const std::string& iconFilePath,
                      std::optional<ShortcutRewrite>* opened, ShortcutWriting* writing) {
    const Fields fields = ReadFields(form);
    if (const auto refusal = FirstFailedCheck(fields, folder)) {
        form.ShowMessage(refusal->textId, IDS_CAPTION_CHECK, message_box::kWarning);
        form.SetFocusTo(refusal->focus);
        return;
    }
    ShortcutRequest request;
    request.address = *fields.address;
    request.subject = *fields.subject;
    request.cc = *fields.cc;
    request.bcc = *fields.bcc;
    request.body = *fields.body;
    request.name = *fields.name;
    request.folder = folder;
    request.iconIndex = form.IconIndex();
    request.beyondAsciiAsUtf8 = UrlFormFor(writing, opened);
    const std::string& name = request.name;

    // Asked before anything on disk is looked at: a No leaves the user in the dialog.
    if (!ConfirmLongUrl(form, request, MailtoUrl(request))) {
        return;
    }

    // A name or folder that Windows would turn into a device, a hidden stream or
    // another file is never tried: the user gets the retry box, and nothing is touched.
    std::optional<std::string> path = BuildShortcutPath(*folder, name);
    if (!IsUsableFolder(*folder) || IsRefusedName(name)) {
        path.reset();
    }
    const std::string shownPath = ShortcutPathText(*folder, name);

    // The question before a file is replaced; the writer brings it back for a file
    // that appears later. "?" and "*" in the name match as wildcards here.
    const bool replaceExisting = path && store.Exists(*path);
    if (replaceExisting && !ConfirmOverwrite(form, name)) {
        ReportAborted(form);
        return;
    }

    // The kept lines come from the file as it is now, after the question: a hot key set
    // in its Properties since it was opened is not turned back.
    std::optional<ShortcutRewrite> rewrite;
    if (path && opened && *opened && store.IsSamePath(*path, (*opened)->path)) {
        rewrite = ReadAgain(store, **opened, request);
    }
    // Composed before the first try, so that every try writes the same bytes.
    const ShortcutRewrite* const kept = rewrite ? &*rewrite : nullptr;
    // An envelope asked for without an icon file to name: a rewrite keeps the icon lines
    // the shortcut had, anything else shows the standard icon.
    const bool standardIcon =
        request.iconIndex != 0 && iconFilePath.empty() &&
        !(kept && !kept->lines.iconLines.empty() && KeepsIconLines(request, iconFilePath, *kept));
    const std::string bytes = ShortcutFileBytes(request, iconFilePath, kept);
    // Read back as the system reads it, as an opened file is.
    const ShiftJisSystemCodePage shiftJis(store.Spelling());
    const SystemCodePage& system = store.System() ? *store.System() : shiftJis;
    const ComposedValues composed = Composed(request, iconFilePath, kept, system);
    // Success is reported only once the file is on disk.
    const WriteEnd end = WriteWithRetry(form, store, path, shownPath, name, bytes, replaceExisting,
                                        ReadsBackAsComposed(bytes, composed, system));
    if (end == WriteEnd::ReadBackFailed) {
        return;
    }
    if (end == WriteEnd::GaveUp) {
        ReportAborted(form);
        return;
    }
    if (opened) {
        opened->reset();
    }

    form.ShowMessage(CompletionText(writing, standardIcon), IDS_CAPTION_DONE,
                     message_box::kInformation, request.address);
    ResetForm(form);
    form.MarkInputClean();
}
