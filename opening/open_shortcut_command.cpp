#include "opening/open_shortcut_command.h"

#include <algorithm>

#include "res/resource.h"
#include "shortcut/message_box.h"
#include "shortcut/shortcut_reader.h"
#include "shortcut/utf8_escaped_form.h"
#include "text/ascii_text.h"
#include "text/file_name.h"
#include "text/folder_path.h"

namespace {

unsigned RefusalText(ShortcutRefusal refusal) {
    switch (refusal) {
        case ShortcutRefusal::TooLarge:
            return IDS_OPEN_TOO_LARGE;
        case ShortcutRefusal::NotCodePageText:
            return IDS_OPEN_UNREADABLE;
        case ShortcutRefusal::WindowsReadsOtherwise:
            return IDS_OPEN_WINDOWS_READS_OTHERWISE;
        case ShortcutRefusal::NoUrl:
            return IDS_OPEN_NO_URL;
        case ShortcutRefusal::NotMailto:
            break;
    }
    return IDS_OPEN_NOT_MAILTO;
}

unsigned UnspellableText(MailtoField field) {
    switch (field) {
        case MailtoField::Subject:
            return IDS_OPEN_SUBJECT_NOT_SPELLABLE;
        case MailtoField::Cc:
            return IDS_OPEN_CC_NOT_SPELLABLE;
        case MailtoField::Bcc:
            return IDS_OPEN_BCC_NOT_SPELLABLE;
        case MailtoField::Body:
            return IDS_OPEN_BODY_NOT_SPELLABLE;
        case MailtoField::Address:
            break;
    }
    return IDS_OPEN_ADDRESS_NOT_SPELLABLE;
}

// The folder part of the path.
std::string FolderOf(const std::string& path) {
    return path.substr(0, mbtext::FileNameStart(path));
}

// The file's name without its ".url".
std::string NameOf(const std::string& path) {
    const std::string name = path.substr(mbtext::FileNameStart(path));
    return name.substr(0, name.size() - 4);
}

void Refuse(ShortcutForm& form, unsigned textId, const std::string& path) {
    form.ShowMessage(textId, IDS_CAPTION_CANNOT_OPEN, message_box::kWarning, path);
}

void ReportFolderRefused(ShortcutForm& form) {
    form.ShowMessage(IDS_FOLDER_PATH_TOO_LONG, IDS_CAPTION_CHECK, message_box::kWarning);
}

// Typed text that is not yet a shortcut goes only when the user says so; a box that
// could not be shown keeps it.
bool MayDiscardPendingInput(ShortcutForm& form, const std::string& path) {
    return !form.InputPending() ||
           form.ShowMessage(IDS_CONFIRM_OPEN_DISCARDS_INPUT, IDS_CAPTION_OPEN_DISCARDS_INPUT,
                            message_box::kQuestionDefaultNo, path) == message_box::kYes;
}

// Selects the folder, adding it first as the folder browser would when the list does
// not hold it (a folder it holds is not added twice, also when given as "C:\Mail\").
// A drive root keeps its "\", any other folder loses it. False, after the browser's
// box, for a folder the list refuses.
bool SelectOrAddFolder(ShortcutForm& form, DestinationList& destinations,
                       const std::string& given) {
    const std::string folder = FolderWithoutTrailingSeparator(given);
    if (destinations.SelectFolder(folder) || destinations.Add(folder)) {
        return true;
    }
    ReportFolderRefused(form);
    return false;
}

}  // namespace

std::optional<ShortcutRewrite> RunOpenShortcutCommand(ShortcutForm& form,
                                                      DestinationList& destinations,
                                                      const ShortcutFileToOpen& file,
                                                      const CodePageSpelling& spelling,
                                                      const SystemCodePage* system) {
    const size_t extension = mbtext::ExtensionStart(file.path);
    if (extension == std::string::npos ||
        !mbtext::EqualsIgnoringAsciiCase(std::string_view(file.path).substr(extension), ".url")) {
        Refuse(form, IDS_OPEN_NOT_URL_FILE, file.path);
        return std::nullopt;
    }
    if (!file.bytes) {
        Refuse(form, IDS_OPEN_UNREADABLE, file.path);
        return std::nullopt;
    }
    // Every refusal comes before anything in the form changes.
    ShortcutReading reading = ReadShortcut(*file.bytes, spelling, &file.windows, system);
    if (const auto* refusal = std::get_if<ShortcutRefusal>(&reading)) {
        Refuse(form, RefusalText(*refusal), file.path);
        return std::nullopt;
    }
    if (const auto* unspellable = std::get_if<UnspellableField>(&reading)) {
        Refuse(form, UnspellableText(unspellable->field), file.path);
        return std::nullopt;
    }
    // A folder the list refuses refuses the whole open.
    const std::string folder = FolderOf(file.path);
    const bool selectsFolder = !file.belowTemporaryFolder;
    if (selectsFolder && !destinations.CanSelectOrAdd(folder)) {
        ReportFolderRefused(form);
        return std::nullopt;
    }

    // Every refusal comes before this point: a file that cannot open never asks.
    if (!MayDiscardPendingInput(form, file.path)) {
        return std::nullopt;
    }
    if (selectsFolder && !SelectOrAddFolder(form, destinations, folder)) {
        return std::nullopt;
    }

    OpenedShortcut& opened = std::get<OpenedShortcut>(reading);
    // Set first, so that the address does not overwrite the name.
    form.SetNameEditedByUser(true);
    form.SetFieldText(FormControl::Address, opened.message.address);
    form.SetFieldText(FormControl::Subject, opened.message.subject);
    form.SetFieldText(FormControl::Cc, opened.message.cc);
    form.SetFieldText(FormControl::Bcc, opened.message.bcc);
    form.SetFieldText(FormControl::Body, opened.message.body);
    form.SetFieldText(FormControl::Name, NameOf(file.path));
    form.SetIconIndex(opened.iconIndex);
    form.MarkInputClean();
    // The escaped form holds ASCII alone; anything beyond it is a raw byte.
    const std::u16string url = opened.lines.url.value_or(u"");
    const bool ascii =
        std::all_of(url.begin(), url.end(), [](char16_t unit) { return unit < 0x80; });
    const bool escapedForm = ascii && IsUtf8EscapedForm(std::string(url.begin(), url.end()));
    return ShortcutRewrite{file.path, std::move(opened.lines), opened.keepsOwnIcon, escapedForm};
}

std::optional<ShortcutRewrite> RunOpenHandedOverCommand(
    ShortcutForm& form, DestinationList& destinations, size_t count,
    const std::function<HandedOverPath()>& describe, const CodePageSpelling& spelling,
    const SystemCodePage* system) {
    if (count == 0) {
        return std::nullopt;
    }
    if (count > 1) {
        form.ShowMessage(IDS_OPEN_ONE_AT_A_TIME, IDS_CAPTION_CHECK, message_box::kWarning);
        return std::nullopt;
    }
    const HandedOverPath item = describe();
    if (!item.path && item.isFolder) {
        form.ShowMessage(IDS_FOLDER_NOT_REPRESENTABLE, IDS_CAPTION_CHECK, message_box::kWarning);
        return std::nullopt;
    }
    if (!item.path) {
        form.ShowMessage(IDS_DROPPED_FILE_NOT_REPRESENTABLE, IDS_CAPTION_CANNOT_OPEN,
                         message_box::kWarning);
        return std::nullopt;
    }
    if (item.isFolder) {
        SelectOrAddFolder(form, destinations, *item.path);
        return std::nullopt;
    }
    return RunOpenShortcutCommand(form, destinations,
                                  {*item.path, item.bytes, item.belowTemporaryFolder, item.windows},
                                  spelling, system);
}
