// The main dialog: the fields of one shortcut, the destination list and the icon
// choice. It owns all of the program's state for its whole life.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "destinations/destination_list.h"
#include "destinations/win32_combo_box_destination_view.h"
#include "destinations/win32_settings_file.h"
#include "framework/dialog.h"
#include "framework/exact_ansi_spelling.h"
#include "framework/gdi_bitmap.h"
#include "framework/windows_system_code_page.h"
#include "ini/ini_encoding.h"
#include "shortcut/pending_input.h"
#include "shortcut/shortcut_form.h"
#include "shortcut/shortcut_rewrite.h"
#include "shortcut/shortcut_writing.h"

class CMailtoDlg : public CDialog, public ShortcutForm {
public:
    CMailtoDlg();

    // ShortcutForm
    std::optional<std::string> FieldText(FormControl field) override;
    std::u16string FieldUtf16Text(FormControl field) override;
    void SetFieldText(FormControl field, const std::string& text) override;
    void SetFocusTo(FormControl control) override;
    bool HasFocus(FormControl control) override;
    int ShowMessage(unsigned textId, unsigned captionId, unsigned style,
                    const std::string& value = {}) override;
    void ClearIconPreview() override;
    bool NameEditedByUser() override { return nameEditedByUser != 0; }
    void SetNameEditedByUser(bool edited) override { nameEditedByUser = edited ? 1 : 0; }
    int IconIndex() override { return iconIndex; }
    void SetIconIndex(int index) override { iconIndex = index; }
    void MarkInputClean() override { pendingInput.MarkClean(*this); }
    bool InputPending() override { return pendingInput.IsPending(*this); }

protected:
    MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    // The Create command; the dialog stays open.
    void OnOK() override;
    // Esc (in the body too), the close box, Alt+F4 and ﾌﾟﾛｸﾞﾗﾑ終了 all end here; typed
    // text that is not yet a shortcut goes only after a question.
    void OnCancel() override;

private:
    static const MessageMapEntry<CMailtoDlg> kMessageMap[];

    MessageResult OnSysCommand(WPARAM command, LPARAM);
    MessageResult OnPaint(WPARAM, LPARAM);
    MessageResult OnQueryDragIcon(WPARAM, LPARAM);
    MessageResult OnDestroy(WPARAM, LPARAM);
    MessageResult OnEndSession(WPARAM ending, LPARAM);
    MessageResult OnShowSettingsUnavailable(WPARAM, LPARAM);
    MessageResult OnDpiLayoutChanged(WPARAM dpi, LPARAM);
    MessageResult OnDropFiles(WPARAM drop, LPARAM);
    MessageResult OnOpenArguments(WPARAM, LPARAM);
    void OnAddressChange();
    void OnNameChange();
    void OnAddDestination();
    void OnChangeIcon();

    // A shortcut file or a folder handed over by a drop or as an argument.
    void OpenPaths(const std::vector<std::wstring>& paths);

    void AddAboutItemToSystemMenu();
    void LocateSettings(const std::string& appData);
    // Saves the destinations once, at the end of the session or at destruction,
    // whichever comes first; false when the settings file could not be written.
    bool SaveSettings();
    void LoadPreviewBitmaps(int dpi);
    void ShowIconPreview();
    CDialogControl& Control(FormControl control);

    // The combo box's window exists only once the dialog does: the view works once the
    // controls are bound.
    ComboBoxDestinationView destinationView{destinationBox};
    DestinationList destinations{destinationView};
    // Where this run reads and saves its settings (empty: nowhere).
    std::string iniPath;
    std::string iniSavePath;
    SettingsFiles settingsFiles;
    bool settingsSaved = false;
    // The code page the shell reads shortcuts in here, read once at start.
    const WindowsSystemCodePage systemCodePage;
    const ExactAnsiSpelling shiftJis;
    ShortcutWriting writing;
    // Why the settings file was left alone, for the box at exit.
    std::optional<ini::Refusal> settingsRefusal;
    // In the system's code page; empty when the shell cannot be told where the program
    // is: no icon lines then.
    std::string iconFilePath;
    int nameEditedByUser = 0;
    PendingInput pendingInput;
    int iconIndex = 0;
    // The pictures of icon choices 1 to 5.
    std::array<CBitmap, 5> previewBitmaps;
    // The picture of a shortcut that keeps an icon of its own; that icon itself is
    // never loaded, since its path may send the user's credentials to a server.
    CBitmap ownIconBitmap;
    // The shortcut opened to be changed, until a Create succeeds or another is opened.
    std::optional<ShortcutRewrite> opened;
    CStatic preview;
    CEdit subjectField;
    CEdit ccField;
    CEdit bccField;
    CEdit bodyField;
    CEdit nameField;
    CEdit addressField;
    CComboBox destinationBox;
    HICON appIcon;
};
