#include "app/mailto_dlg.h"

#include "app/about_dlg.h"
#include "destinations/ini_profile_section.h"
#include "destinations/settings_file_choice.h"
#include "destinations/settings_section.h"
#include "destinations/win32_settings_file.h"
#include "destinations/win32_settings_file_content.h"
#include "destinations/win32_settings_file_lock.h"
#include "destinations/win32_settings_save.h"
#include "destinations/win32_shell_folders.h"
#include "framework/command_line_paths.h"
#include "framework/dropped_files.h"
#include "framework/exact_ansi.h"
#include "framework/exact_ansi_spelling.h"
#include "framework/message_boxes.h"
#include "framework/module_path.h"
#include "framework/paint_dc.h"
#include "framework/resource_string.h"
#include "framework/window_dpi.h"
#include "iconpick/icon_choices.h"
#include "iconpick/icon_dlg.h"
#include "opening/open_shortcut_command.h"
#include "opening/win32_handed_over_path.h"
#include "res/resource.h"
#include "shortcut/create_command.h"
#include "shortcut/icon_file_choice.h"
#include "shortcut/message_box.h"
#include "shortcut/name_suggestion.h"
#include "shortcut/win32_shortcut_file_reading.h"
#include "shortcut/win32_shortcut_store.h"

namespace {

// Posted at start so that the box shows over the dialog, not before it.
constexpr UINT kShowSettingsUnavailable = WM_APP + 0x3D1;
// Posted at start: the dialog shows first, and any box about the argument belongs to it.
constexpr UINT kOpenArguments = WM_APP + 0x3D2;

}  // namespace

const MessageMapEntry<CMailtoDlg> CMailtoDlg::kMessageMap[] = {
    OnMessage(WM_SYSCOMMAND, &CMailtoDlg::OnSysCommand),
    OnMessage(WM_PAINT, &CMailtoDlg::OnPaint),
    OnMessage(WM_QUERYDRAGICON, &CMailtoDlg::OnQueryDragIcon),
    OnCommand(EN_CHANGE, IDC_ADDRESS, &CMailtoDlg::OnAddressChange),
    OnCommand(EN_CHANGE, IDC_NAME, &CMailtoDlg::OnNameChange),
    OnCommand(BN_CLICKED, IDC_NEW_FOLDER, &CMailtoDlg::OnAddDestination),
    OnCommand(BN_CLICKED, IDC_CHANGE_ICON, &CMailtoDlg::OnChangeIcon),
    OnMessage(WM_DESTROY, &CMailtoDlg::OnDestroy),
    OnMessage(WM_ENDSESSION, &CMailtoDlg::OnEndSession),
    OnMessage(kShowSettingsUnavailable, &CMailtoDlg::OnShowSettingsUnavailable),
    OnMessage(kDpiLayoutChanged, &CMailtoDlg::OnDpiLayoutChanged),
    OnMessage(WM_DROPFILES, &CMailtoDlg::OnDropFiles),
    OnMessage(kOpenArguments, &CMailtoDlg::OnOpenArguments),
};

CMailtoDlg::CMailtoDlg()
    : CDialog(IDD_MAIN),
      appIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

MessageResult CMailtoDlg::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteThroughMap(*this, kMessageMap, message, wParam, lParam);
}

void CMailtoDlg::DoDataExchange() {
    Bind(IDC_ICON_PREVIEW, preview);
    Bind(IDC_SUBJECT, subjectField);
    Bind(IDC_CC, ccField);
    Bind(IDC_BCC, bccField);
    Bind(IDC_BODY, bodyField);
    Bind(IDC_NAME, nameField);
    Bind(IDC_ADDRESS, addressField);
    Bind(IDC_FOLDER, destinationBox);
}

BOOL CMailtoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutItemToSystemMenu();

    // Both the settings and Quick Launch are found below the application data folder.
    std::string appData;
    GetSpecialFolderPath(GetSafeHwnd(), CSIDL_APPDATA, appData);
    LocateSettings(appData);

    LoadPreviewBitmaps(WindowDpi(GetSafeHwnd()));

    // An empty path reads as no file at all, and so does a file left alone. The lock
    // keeps another run's save from replacing the file while it is read.
    const std::vector<WellKnownFolder> wellKnown = FindWellKnownFolders(GetSafeHwnd(), appData);
    {
        const SettingsFileLock lock(iniPath);
        SettingsFileContent content = ReadSettingsFileContent(iniPath);
        settingsRefusal = content.refusal;
        ini::Document document = content.document ? std::move(*content.document)
                                                  : ini::Document(ini::Encoding::CodePage);
        const ExactAnsiSpelling spelling;
        IniProfileSection settings(document, kSettingsSectionName, spelling);
        destinations.Fill(wellKnown, settings);
    }

    AcceptDroppedFiles(GetSafeHwnd());
    PostMessageA(GetSafeHwnd(), kOpenArguments, 0, 0);

    SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon));
    SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon));
    MarkInputClean();
    return TRUE;  // the focus goes to the first tab stop, the address field
}

void CMailtoDlg::LocateSettings(const std::string& appData) {
    // Shortcuts name the program in a form this system's shell reads, which may be
    // one that code page 932 cannot spell.
    const std::wstring wideDirectory = WideProgramDirectory();
    iconFilePath = ChooseIconFile(std::u16string(wideDirectory.begin(), wideDirectory.end()),
                                  systemCodePage, [&wideDirectory] {
                                      const std::wstring shortName = ShortFolderName(wideDirectory);
                                      return std::u16string(shortName.begin(), shortName.end());
                                  });
    writing.shiftJis = &shiftJis;
    writing.systemReadsShiftJis = systemCodePage.ReadsShiftJis();
    writing.standardIconNoticeDue = iconFilePath.empty();

    // The folder of the running module, whatever the command line says.
    const std::optional<std::string> programDirectory = ProgramDirectory();
    if (!programDirectory) {
        PostMessageA(GetSafeHwnd(), kShowSettingsUnavailable, 0, 0);
        return;
    }
    settingsFiles = LocateSettingsFiles(programDirectory, PerUserSettingsFolder(appData));
    iniPath = settingsFiles.readPath;
    iniSavePath = settingsFiles.savePath;
}

MessageResult CMailtoDlg::OnShowSettingsUnavailable(WPARAM, LPARAM) {
    ShowAppMessageBox(GetSafeHwnd(), IDS_SETTINGS_UNAVAILABLE, MB_ICONWARNING | MB_OK);
    return 0;
}

bool CMailtoDlg::SaveSettings() {
    if (settingsSaved || iniSavePath.empty()) {
        return true;
    }
    settingsSaved = true;
    const SettingsSaveResult result =
        SaveSettingsFiles(destinations, settingsFiles, systemCodePage);
    // The not-saved box names the file tried last, and why it was left alone.
    iniSavePath = result.path;
    settingsRefusal = result.refusal;
    return result.saved;
}

void CMailtoDlg::LoadPreviewBitmaps(int dpi) {
    for (size_t i = 0; i < previewBitmaps.size(); ++i) {
        previewBitmaps[i].LoadForDpi(kIconChoices[i + 1].bitmapId, dpi);
    }
    ownIconBitmap.LoadForDpi(IDB_OWN_ICON, dpi);
}

MessageResult CMailtoDlg::OnDpiLayoutChanged(WPARAM dpi, LPARAM) {
    // The preview lets go of the old picture before it is freed.
    preview.SetBitmap(nullptr);
    LoadPreviewBitmaps(static_cast<int>(dpi));
    ShowIconPreview();
    return 0;
}

void CMailtoDlg::AddAboutItemToSystemMenu() {
    const HMENU systemMenu = GetSystemMenu(GetSafeHwnd(), FALSE);
    const std::string aboutItem = LoadResourceString(IDS_ABOUTBOX);
    if (systemMenu == nullptr || aboutItem.empty()) {
        return;
    }
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, WideFromAnsi(aboutItem).c_str());
}

void CMailtoDlg::OnOK() {
    Win32ShortcutStore store(&systemCodePage);
    RunCreateCommand(*this, store, destinations.SelectedFolder(), iconFilePath, &opened, &writing);
}

void CMailtoDlg::OnCancel() {
    if (InputPending()) {
        const HWND focus = GetFocus();
        if (ShowMessage(IDS_CONFIRM_CLOSE_DISCARDS_INPUT, IDS_CAPTION_CLOSE_DISCARDS_INPUT,
                        message_box::kQuestionDefaultNo) != message_box::kYes) {
            // The dialog's own way, so that the default button follows the focus.
            if (focus != nullptr && IsChild(GetSafeHwnd(), focus)) {
                SendMessageW(GetSafeHwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
            }
            return;
        }
    }
    CDialog::OnCancel();
}

MessageResult CMailtoDlg::OnSysCommand(WPARAM command, LPARAM) {
    // The low four bits of a system command are the system's own.
    if ((command & 0xFFF0) != IDM_ABOUTBOX) {
        return std::nullopt;
    }
    CAboutDlg about(GetSafeHwnd());
    about.DoModal();
    return 0;
}

MessageResult CMailtoDlg::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic(GetSafeHwnd())) {
        return std::nullopt;
    }
    const CPaintDC dc(GetSafeHwnd());
    SendMessageA(GetSafeHwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client{};
    GetClientRect(GetSafeHwnd(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.GetSafeHdc(), x, y, appIcon);
    return 0;
}

MessageResult CMailtoDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(appIcon);
}

MessageResult CMailtoDlg::OnDestroy(WPARAM, LPARAM) {
    if (!SaveSettings()) {
        // The dialog is going: the box stands on its own.
        const UINT message = !settingsRefusal ? IDS_SETTINGS_NOT_SAVED
                             : *settingsRefusal == ini::Refusal::TooLarge
                                 ? IDS_SETTINGS_FILE_TOO_LARGE
                                 : IDS_SETTINGS_FILE_NOT_TEXT;
        ShowAppMessageBox(nullptr, message, MB_ICONWARNING | MB_OK, iniSavePath);
    }
    return std::nullopt;
}

MessageResult CMailtoDlg::OnEndSession(WPARAM ending, LPARAM) {
    // Windows ends the process after this without destroying the dialog. A box now
    // would only hold up the shutdown, and nobody would answer it.
    if (ending) {
        SaveSettings();
    }
    return 0;
}

void CMailtoDlg::OnAddressChange() {
    SuggestShortcutName(*this);
}

void CMailtoDlg::OnNameChange() {
    NoteNameFieldChange(*this);
}

void CMailtoDlg::OnAddDestination() {
    std::string folder;
    const std::string title = LoadResourceString(IDS_BROWSE_TITLE);
    const FolderChoice choice = BrowseForFolder(GetSafeHwnd(), folder, title.c_str());
    switch (choice) {
        case FolderChoice::Cancelled:
            break;
        case FolderChoice::NotRepresentable:
            ShowMessage(IDS_FOLDER_NOT_REPRESENTABLE, IDS_CAPTION_CHECK, message_box::kWarning);
            break;
        case FolderChoice::TooLong:
            ShowMessage(IDS_FOLDER_PATH_TOO_LONG, IDS_CAPTION_CHECK, message_box::kWarning);
            break;
        case FolderChoice::Chosen:
            if (!destinations.Add(folder)) {
                ShowMessage(IDS_FOLDER_PATH_TOO_LONG, IDS_CAPTION_CHECK, message_box::kWarning);
            }
            break;
    }
}

MessageResult CMailtoDlg::OnDropFiles(WPARAM drop, LPARAM) {
    OpenPaths(TakeDroppedPaths(GetSafeHwnd(), drop));
    return 0;
}

MessageResult CMailtoDlg::OnOpenArguments(WPARAM, LPARAM) {
    OpenPaths(CommandLinePaths(GetCommandLineW()));
    return 0;
}

void CMailtoDlg::OpenPaths(const std::vector<std::wstring>& paths) {
    std::optional<ShortcutRewrite> rewrite = RunOpenHandedOverCommand(
        *this, destinations, paths.size(), [&paths] { return DescribeHandedOverPath(paths[0]); },
        shiftJis, &systemCodePage);
    if (rewrite) {
        opened = std::move(rewrite);
        ShowIconPreview();
    }
}

void CMailtoDlg::OnChangeIcon() {
    CIconDlg picker(GetSafeHwnd(), iconIndex);
    if (picker.DoModal() == IDOK) {
        iconIndex = picker.Selection();
        // A picked icon replaces the shortcut's own.
        if (opened) {
            opened->keepsOwnIcon = false;
            opened->iconPicked = true;
        }
    }
    // Redrawn after a cancel too.
    ShowIconPreview();
}

void CMailtoDlg::ShowIconPreview() {
    const bool envelope = iconIndex >= 1 && iconIndex <= static_cast<int>(previewBitmaps.size());
    HBITMAP picture = nullptr;
    if (envelope) {
        picture = previewBitmaps[static_cast<size_t>(iconIndex - 1)].GetSafeHandle();
    } else if (opened && opened->keepsOwnIcon) {
        picture = ownIconBitmap.GetSafeHandle();
    }
    preview.SetBitmap(picture);
}

CDialogControl& CMailtoDlg::Control(FormControl control) {
    switch (control) {
        case FormControl::Address:
            return addressField;
        case FormControl::Subject:
            return subjectField;
        case FormControl::Cc:
            return ccField;
        case FormControl::Bcc:
            return bccField;
        case FormControl::Body:
            return bodyField;
        case FormControl::Name:
            return nameField;
        case FormControl::Destinations:
            break;
    }
    return destinationBox;
}

std::optional<std::string> CMailtoDlg::FieldText(FormControl field) {
    return Control(field).GetExactText();
}

std::u16string CMailtoDlg::FieldUtf16Text(FormControl field) {
    const std::wstring text = Control(field).GetWideText();
    return std::u16string(text.begin(), text.end());
}

void CMailtoDlg::SetFieldText(FormControl field, const std::string& text) {
    Control(field).SetText(text);
}

void CMailtoDlg::SetFocusTo(FormControl control) {
    Control(control).SetFocus();
}

bool CMailtoDlg::HasFocus(FormControl control) {
    return Control(control).HasFocus();
}

// The shortcut commands name box styles and answers in Windows' own numbers.
static_assert(message_box::kWarning == (MB_ICONEXCLAMATION | MB_OK));
static_assert(message_box::kQuestion == (MB_ICONQUESTION | MB_YESNO));
static_assert(message_box::kQuestionDefaultNo == (MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2));
static_assert(message_box::kInformation == (MB_ICONINFORMATION | MB_OK));
static_assert(message_box::kErrorWithRetry == (MB_ICONSTOP | MB_RETRYCANCEL));
static_assert(message_box::kOk == IDOK && message_box::kCancel == IDCANCEL &&
              message_box::kRetry == IDRETRY && message_box::kYes == IDYES &&
              message_box::kNo == IDNO);

int CMailtoDlg::ShowMessage(unsigned textId, unsigned captionId, unsigned style,
                            const std::string& value) {
    return ShowMessageBox(GetSafeHwnd(), textId, captionId, style, value);
}

void CMailtoDlg::ClearIconPreview() {
    preview.SetBitmap(nullptr);
}
