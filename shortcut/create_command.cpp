#include "shortcut/create_command.h"

#include "shortcut/message_box.h"
#include "shortcut/shortcut_file.h"
#include "shortcut/shortcut_path.h"
#include "text/multibyte.h"

namespace {

constexpr size_t kMaxAddressBytes = 200;
const char kCheckCaption[] = "確認";

struct Refusal {
    const char* text;
    FormControl focus;
};

// The first check the request fails, in the order the user is told about them, or
// nullptr when every check passes.
const Refusal* FirstFailedCheck(const std::string& address,
                                const std::optional<std::string>& folder, const std::string& name) {
    static const Refusal kNoAddress = {"メールアドレスが入力されていません", FormControl::Address};
    static const Refusal kAddressTooLong = {
        "メールアドレスが長すぎます。\n一度に沢山指定している場合は少なくして下さい",
        FormControl::Address};
    static const Refusal kNotAnAddress = {"宛先が有効なメールアドレスでは無いように思えます",
                                          FormControl::Address};
    static const Refusal kNoDestination = {"保存先を指定して下さい", FormControl::Destinations};
    static const Refusal kNoName = {"ショートカット名を指定して下さい", FormControl::Name};

    if (address.empty()) {
        return &kNoAddress;
    }
    if (address.size() > kMaxAddressBytes) {
        return &kAddressTooLong;
    }
    // Whole characters: the ideographic space ends in the byte of "@".
    if (!mbtext::ContainsChar(address, '@') || !mbtext::ContainsChar(address, '.')) {
        return &kNotAnAddress;
    }
    // A slot with an empty path names no folder; the file would land in the current
    // directory of the moment.
    if (!folder || folder->empty()) {
        return &kNoDestination;
    }
    if (name.empty()) {
        return &kNoName;
    }
    return nullptr;
}

void ReportAborted(ShortcutForm& form) {
    form.ShowMessage("処理は中断されました。", "中断されました", message_box::kWarning);
}

bool ConfirmOverwrite(ShortcutForm& form, const std::string& name) {
    return form.ShowMessage(name + " を上書きします\nよろしいですか？", "上書きしますか？",
                            message_box::kQuestion) == message_box::kYes;
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
        const int answer = form.ShowMessage(
            "ファイルの作成が出来ませんでした。\n有効な名前で無いか共有違反が考えられます\n\n" +
                shownPath,
            "作成出来ません", message_box::kErrorWithRetry);
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
    // Nobody can type a control byte into the one-line fields; another program can
    // put one there, and a line break would add lines to the file.
    const std::string address = mbtext::WithoutControlBytes(form.FieldText(FormControl::Address));
    const std::string name = form.FieldText(FormControl::Name);
    const int iconIndex = form.IconIndex();

    if (const Refusal* refusal = FirstFailedCheck(address, folder, name)) {
        form.ShowMessage(refusal->text, kCheckCaption, message_box::kWarning);
        form.SetFocusTo(refusal->focus);
        return;
    }

    // A name or folder that Windows would turn into a device, a hidden stream or
    // another file is never tried: the user gets the retry box, and nothing is touched.
    std::optional<std::string> path = BuildShortcutPath(*folder, name);
    if (!IsUsableFolder(*folder) || IsRefusedName(name)) {
        path.reset();
    }
    const std::string shownPath = ShortcutPathText(*folder, name);
    const std::string subject = mbtext::WithoutControlBytes(form.FieldText(FormControl::Subject));

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
    WriteAndClose(*file, address, subject, iconIndex, iconFilePath);

    form.ShowMessage(address + " さんへのショートカットが作成されました", "完了",
                     message_box::kInformation);
    ResetForm(form);
}
