// The resources of the built ravlet.exe, read back through the real resource API: the
// icon order that shortcuts depend on, the pictures, the dialog templates, the strings
// and the version record.
#include <windows.h>

#include <shellapi.h>
#include <winver.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "iconpick/icon_choices.h"
#include "ravlet_version.h"
#include "res/resource.h"
#include "tests/wine/built_program.h"

namespace {

class ProgramResources : public testing::Test {
protected:
    static void SetUpTestSuite() {
        programPath_ = new std::string(BuiltProgramPath());
        module_ = LoadLibraryExA(programPath_->c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
        delete programPath_;
    }
    void SetUp() override {
        ASSERT_NE(module_, nullptr) << "cannot load " << *programPath_ << ": build target ravlet";
    }

    static HMODULE module_;
    static std::string* programPath_;
};
HMODULE ProgramResources::module_ = nullptr;
std::string* ProgramResources::programPath_ = nullptr;

// --- Icons and bitmaps -----------------------------------------------------------------

BOOL CALLBACK CollectResourceId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) {
    // Named resources would break the IconIndex count as well: record them as 0.
    reinterpret_cast<std::vector<int>*>(ids)->push_back(
        IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name)) : 0);
    return TRUE;
}

TEST_F(ProgramResources, HoldsExactlySixIconGroupsFromTheAppIconToTheCyanEnvelope) {
    std::vector<int> ids;
    EnumResourceNamesA(module_, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, CollectResourceId,
                       reinterpret_cast<LONG_PTR>(&ids));
    const std::vector<int> expected = {IDR_MAINFRAME,     IDI_ENVELOPE_WHITE, IDI_ENVELOPE_RED,
                                       IDI_ENVELOPE_BLUE, IDI_ENVELOPE_GREEN, IDI_ENVELOPE_CYAN};
    EXPECT_EQ(ids, expected);
}

// GRPICONDIRENTRY as stored in an RT_GROUP_ICON resource: packed, 14 bytes.
#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD iconId;
};
#pragma pack(pop)

// Every group holds the sizes the shell asks for at 100 to 200 % display scale; up to
// 48 pixels as 16-colour bitmaps, 256 pixels (stored as 0) as a PNG image.
TEST_F(ProgramResources, EveryIconGroupHoldsTheSizesFrom16To256With256AsPng) {
    const int groups[] = {IDR_MAINFRAME,     IDI_ENVELOPE_WHITE, IDI_ENVELOPE_RED,
                          IDI_ENVELOPE_BLUE, IDI_ENVELOPE_GREEN, IDI_ENVELOPE_CYAN};
    const std::vector<int> sizes = {16, 24, 32, 48, 256};
    for (const int group : groups) {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(group), MAKEINTRESOURCEA(14));
        ASSERT_NE(found, nullptr) << group;
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
        WORD count = 0;
        std::memcpy(&count, data + 4, sizeof count);
        std::vector<int> held;
        for (WORD i = 0; i < count; ++i) {
            IconGroupEntry entry;
            std::memcpy(&entry, data + 6 + i * sizeof entry, sizeof entry);
            const int size = entry.width == 0 ? 256 : entry.width;
            held.push_back(size);
            SCOPED_TRACE(testing::Message() << "group " << group << ", " << size << " px");
            EXPECT_EQ(entry.height, entry.width);
            HRSRC image = FindResourceA(module_, MAKEINTRESOURCEA(entry.iconId),
                                        MAKEINTRESOURCEA(3) /* RT_ICON */);
            ASSERT_NE(image, nullptr);
            ASSERT_EQ(SizeofResource(module_, image), entry.bytes);
            const BYTE* bytes =
                static_cast<const BYTE*>(LockResource(LoadResource(module_, image)));
            const bool png = std::memcmp(bytes, "\x89PNG\r\n\x1a\n", 8) == 0;
            EXPECT_EQ(png, size == 256);
            EXPECT_EQ(entry.bitCount, size == 256 ? 32 : 4);
            if (!png) {
                EXPECT_EQ(entry.colourCount, 16);
                BITMAPINFOHEADER header;
                std::memcpy(&header, bytes, sizeof header);
                EXPECT_EQ(header.biWidth, size);
                EXPECT_EQ(header.biHeight, 2 * size) << "colour and mask";
            }
        }
        EXPECT_EQ(held, sizes) << "group " << group;
    }
}

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> rgb;  // top-down rows, 0x00RRGGBB

    DWORD At(int x, int y) const { return rgb[y * width + x] & 0xFFFFFF; }
};

Pixels ReadPixels(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    Pixels pixels;
    pixels.width = info.bmWidth;
    pixels.height = info.bmHeight;
    pixels.rgb.resize(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.rgb.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

constexpr DWORD kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00,
                kCyan = 0x00FFFF, kSilver = 0xC0C0C0, kBlack = 0x000000;

TEST_F(ProgramResources, ShellCountsSixIconsAndIconIndexPicksTheEnvelopeOfThatColour) {
    EXPECT_EQ(ExtractIconExA(programPath_->c_str(), -1, nullptr, nullptr, 0), 6u);

    // IconIndex=N of a shortcut: 0 is the program's own white envelope, 1 to 5 the choices.
    const DWORD paperOfIndex[] = {kWhite, kWhite, kRed, kBlue, kGreen, kCyan};
    for (int index = 0; index < 6; ++index) {
        HICON icon = nullptr;
        ASSERT_EQ(ExtractIconExA(programPath_->c_str(), index, &icon, nullptr, 1), 1u) << index;
        ICONINFO parts = {};
        ASSERT_TRUE(GetIconInfo(icon, &parts)) << index;
        const Pixels colour = ReadPixels(parts.hbmColor);
        const Pixels mask = ReadPixels(parts.hbmMask);
        ASSERT_EQ(colour.width, 32) << index;
        ASSERT_EQ(colour.height, 32) << index;
        EXPECT_EQ(colour.At(5, 14), paperOfIndex[index]) << "envelope paper, index " << index;
        EXPECT_EQ(colour.At(1, 6), kBlack) << "envelope outline, index " << index;
        EXPECT_EQ(mask.At(0, 0), kWhite) << "transparent corner, index " << index;
        EXPECT_EQ(mask.At(5, 14), kBlack) << "opaque envelope, index " << index;
        DeleteObject(parts.hbmColor);
        DeleteObject(parts.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(ProgramResources, ButtonPicturesAre32By18OnTheirEnvelopeColour) {
    struct Case {
        int id;
        DWORD paper;
    };
    const Case cases[] = {
        {IDB_ENVELOPE_WHITE, kWhite}, {IDB_ENVELOPE_RED, kRed},   {IDB_ENVELOPE_BLUE, kBlue},
        {IDB_ENVELOPE_GREEN, kGreen}, {IDB_ENVELOPE_CYAN, kCyan}, {IDB_STANDARD, kSilver},
    };
    for (const Case& c : cases) {
        HBITMAP bitmap = LoadBitmapA(module_, MAKEINTRESOURCEA(c.id));
        ASSERT_NE(bitmap, nullptr) << c.id;
        const Pixels pixels = ReadPixels(bitmap);
        EXPECT_EQ(pixels.width, 32) << c.id;
        EXPECT_EQ(pixels.height, 18) << c.id;
        EXPECT_EQ(pixels.At(2, 15), c.paper) << c.id;
        DeleteObject(bitmap);
    }
}

TEST_F(ProgramResources, StandardPictureCarriesARedStamp) {
    HBITMAP bitmap = LoadBitmapA(module_, MAKEINTRESOURCEA(IDB_STANDARD));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(ReadPixels(bitmap).At(28, 5), kRed);
    DeleteObject(bitmap);
}

// --- Dialog templates ------------------------------------------------------------------

// A class, menu or text field of a template: a string, or an ordinal.
struct NameOrOrdinal {
    std::wstring name;
    int ordinal = -1;
};

struct DialogItem {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    NameOrOrdinal windowClass, text;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu, windowClass;
    std::wstring caption;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::wstring face;
    std::vector<DialogItem> items;
};

// Reads the packed, WORD-aligned fields of a DLGTEMPLATE or DLGTEMPLATEEX.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : start_(data), at_(data) {}

    template <typename T>
    T Read() {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    std::wstring ReadString() {
        std::wstring text;
        for (WCHAR ch = Read<WCHAR>(); ch != 0; ch = Read<WCHAR>()) {
            text += ch;
        }
        return text;
    }
    NameOrOrdinal ReadNameOrOrdinal() {
        NameOrOrdinal field;
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            field.ordinal = Read<WORD>();
        } else if (first != 0) {
            at_ -= sizeof first;
            field.name = ReadString();
        }
        return field;
    }
    void AlignToDword() {
        while ((at_ - start_) % 4 != 0) {
            ++at_;
        }
    }
    void Skip(size_t bytes) { at_ += bytes; }

private:
    const BYTE* start_;
    const BYTE* at_;
};

DialogTemplate ParseDialogTemplate(const BYTE* data) {
    TemplateReader in(data);
    DialogTemplate dialog;
    WORD count = 0;
    if (reinterpret_cast<const WORD*>(data)[1] == 0xFFFF) {
        dialog.extended = true;
        in.Read<WORD>();   // version
        in.Read<WORD>();   // signature
        in.Read<DWORD>();  // help id
        dialog.exStyle = in.Read<DWORD>();
        dialog.style = in.Read<DWORD>();
    } else {
        dialog.style = in.Read<DWORD>();
        dialog.exStyle = in.Read<DWORD>();
    }
    count = in.Read<WORD>();
    dialog.x = in.Read<short>();
    dialog.y = in.Read<short>();
    dialog.cx = in.Read<short>();
    dialog.cy = in.Read<short>();
    dialog.menu = in.ReadNameOrOrdinal();
    dialog.windowClass = in.ReadNameOrOrdinal();
    dialog.caption = in.ReadString();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Read<WORD>();
        if (dialog.extended) {
            dialog.weight = in.Read<WORD>();
            dialog.italic = in.Read<BYTE>();
            dialog.charset = in.Read<BYTE>();
        }
        dialog.face = in.ReadString();
    }
    for (WORD i = 0; i < count; ++i) {
        in.AlignToDword();
        DialogItem item;
        if (dialog.extended) {
            in.Read<DWORD>();  // help id
            item.exStyle = in.Read<DWORD>();
            item.style = in.Read<DWORD>();
        } else {
            item.style = in.Read<DWORD>();
            item.exStyle = in.Read<DWORD>();
        }
        item.x = in.Read<short>();
        item.y = in.Read<short>();
        item.cx = in.Read<short>();
        item.cy = in.Read<short>();
        item.id = dialog.extended ? static_cast<int>(in.Read<DWORD>())
                                  : static_cast<short>(in.Read<WORD>());
        item.windowClass = in.ReadNameOrOrdinal();
        item.text = in.ReadNameOrOrdinal();
        in.Skip(in.Read<WORD>());  // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}

// The predefined classes may be named or given by their ordinal: compare by name.
std::wstring ClassName(const NameOrOrdinal& windowClass) {
    switch (windowClass.ordinal) {
        case 0x80:
            return L"BUTTON";
        case 0x81:
            return L"EDIT";
        case 0x82:
            return L"STATIC";
        case 0x85:
            return L"COMBOBOX";
        case -1: {
            std::wstring upper = windowClass.name;
            CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
            return upper;
        }
        default:
            return L"#" + std::to_wstring(windowClass.ordinal);
    }
}

// A place or size that the program sets at run time: the template's number is not what
// a user sees.
constexpr short kSetAtRunTime = -1;

struct ExpectedItem {
    int id;
    const wchar_t* windowClass;
    const wchar_t* text;  // nullptr: the icon ordinal textOrdinal
    short x, y, cx, cy;
    DWORD style;
    int textOrdinal = -1;
};

// Answers nothing: the dialog manager's own handling is what is looked at.
INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

class DialogTemplates : public ProgramResources {
protected:
    DialogTemplate Load(int id) {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
        EXPECT_NE(found, nullptr) << "dialog " << id;
        if (found == nullptr) {
            return {};
        }
        return ParseDialogTemplate(
            static_cast<const BYTE*>(LockResource(LoadResource(module_, found))));
    }

    static void ExpectItems(const DialogTemplate& dialog,
                            const std::vector<ExpectedItem>& expected) {
        ASSERT_EQ(dialog.items.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const DialogItem& item = dialog.items[i];
            const ExpectedItem& want = expected[i];
            SCOPED_TRACE(testing::Message() << "item " << i << " (id " << want.id << ")");
            EXPECT_EQ(item.id, want.id);
            EXPECT_EQ(ClassName(item.windowClass), want.windowClass);
            if (want.text != nullptr) {
                EXPECT_TRUE(item.text.name == want.text);
                EXPECT_EQ(item.text.ordinal, -1);
            } else {
                EXPECT_EQ(item.text.ordinal, want.textOrdinal);
            }
            for (const auto& [seen, wanted] :
                 {std::pair{item.x, want.x}, std::pair{item.y, want.y}, std::pair{item.cx, want.cx},
                  std::pair{item.cy, want.cy}}) {
                if (wanted != kSetAtRunTime) {
                    EXPECT_EQ(seen, wanted);
                }
            }
            EXPECT_EQ(item.style, want.style) << std::hex << item.style;
            EXPECT_EQ(item.exStyle, 0u);
        }
    }

    static void ExpectFrame(const DialogTemplate& dialog, DWORD style, DWORD exStyle,
                            const wchar_t* caption, short cx, short cy) {
        EXPECT_EQ(dialog.style, style) << std::hex << dialog.style;
        EXPECT_EQ(dialog.exStyle, exStyle) << std::hex << dialog.exStyle;
        EXPECT_TRUE(dialog.caption == caption);
        EXPECT_EQ(dialog.x, 0);
        EXPECT_EQ(dialog.y, 0);
        if (cx != kSetAtRunTime) {
            EXPECT_EQ(dialog.cx, cx);
            EXPECT_EQ(dialog.cy, cy);
        }
        EXPECT_EQ(dialog.menu.name, L"");
        EXPECT_EQ(dialog.menu.ordinal, -1);
        EXPECT_EQ(dialog.windowClass.name, L"");
        EXPECT_EQ(dialog.pointSize, 9);
        EXPECT_TRUE(dialog.face == L"ＭＳ Ｐゴシック");
    }

    // The control ids that the Tab key visits in a live dialog made from the template,
    // from the control the dialog manager focuses first until it comes round again.
    std::vector<int> TabOrder(int id) {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
        if (found == nullptr) {
            ADD_FAILURE() << "dialog " << id;
            return {};
        }
        const auto* resource =
            static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module_, found)));
        const HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), resource, nullptr,
                                                       PlainDialogProc, 0);
        if (dialog == nullptr) {
            ADD_FAILURE() << "cannot create dialog " << id;
            return {};
        }
        std::vector<int> ids;
        const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
        for (HWND control = first; control != nullptr && ids.size() < 20;) {
            ids.push_back(GetDlgCtrlID(control));
            control = GetNextDlgTabItem(dialog, control, FALSE);
            if (control == first) {
                break;
            }
        }
        DestroyWindow(dialog);
        return ids;
    }
};

TEST_F(DialogTemplates, MainDialogIsAnExtendedTemplateWithItsControlsInTabOrder) {
    const DialogTemplate dialog = Load(IDD_MAIN);
    EXPECT_TRUE(dialog.extended);
    ExpectFrame(dialog, 0x90C800C0, 0x00040000, L"mailtoショートカット作成", 246, 285);
    EXPECT_EQ(dialog.italic, 0);
    const DWORD label = 0x50020000, edit = 0x50810080, button = 0x50010000;
    // A label grows to its text at run time, and the preview takes its picture's size.
    const short grows = kSetAtRunTime;
    ExpectItems(
        dialog,
        {
            {-1, L"STATIC", L"宛先のメールアドレスを入れて下さい", 6, 9, grows, 8, label},
            {IDC_ADDRESS, L"EDIT", L"", 12, 19, 84, 14, edit},
            {-1, L"STATIC", L"件名もショートカットに含めたければ入力して下さい", 6, 39, grows, 8,
             label},
            {IDC_SUBJECT, L"EDIT", L"", 12, 49, 126, 14, edit},
            {-1, L"STATIC", L"CC（写し）の宛先があれば入れて下さい", 6, 68, grows, 8, label},
            {IDC_CC, L"EDIT", L"", 12, 78, 126, 14, edit},
            {-1, L"STATIC", L"BCC（隠した写し）の宛先があれば入れて下さい", 6, 97, grows, 8, label},
            {IDC_BCC, L"EDIT", L"", 12, 107, 126, 14, edit},
            {-1, L"STATIC", L"本文も含めたければ入力して下さい（Enter で改行します）", 6, 126,
             grows, 8, label},
            // Several lines with a vertical scroll bar; Enter makes a new line.
            {IDC_BODY, L"EDIT", L"", 12, 136, 216, 42, 0x50A11044},
            {-1, L"STATIC", L"ショートカットの名前を決めて下さい", 6, 197, grows, 8, label},
            {IDC_NAME, L"EDIT", L"", 15, 209, 120, 14, edit},
            {IDC_CHANGE_ICON, L"BUTTON", L"ｱｲｺﾝ変更", 138, 209, 40, 13, button},
            {-1, L"STATIC", L"ショートカットの保存先を選んで下さい", 9, 227, grows, 8, label},
            {IDC_FOLDER, L"COMBOBOX", L"", 15, 239, 213, 138, 0x50010043},
            {IDC_NEW_FOLDER, L"BUTTON", L"新しい保存先を指定", 162, 254, 66, 15, button},
            {IDOK, L"BUTTON", L"作成", 192, 6, 50, 14, 0x50010001},
            {IDCANCEL, L"BUTTON", L"ﾌﾟﾛｸﾞﾗﾑ終了", 192, 24, 50, 14, button},
            {IDC_ICON_PREVIEW, L"STATIC", L"", 180, 209, kSetAtRunTime, kSetAtRunTime, 0x5000000E},
        });
}

TEST_F(DialogTemplates, TabInTheMainDialogGoesFromTheAddressThroughTheFormToTheButtons) {
    const std::vector<int> expected = {IDC_ADDRESS,    IDC_SUBJECT, IDC_CC,          IDC_BCC,
                                       IDC_BODY,       IDC_NAME,    IDC_CHANGE_ICON, IDC_FOLDER,
                                       IDC_NEW_FOLDER, IDOK,        IDCANCEL};
    EXPECT_EQ(TabOrder(IDD_MAIN), expected);
}

TEST_F(DialogTemplates, AboutBoxShowsTheAppIconNameAndNoticeAndIsHiddenUntilCentred) {
    const DialogTemplate dialog = Load(IDD_ABOUTBOX);
    EXPECT_FALSE(dialog.extended);
    ExpectFrame(dialog, 0x80C800C0, 0, L"ravlet", 235, 55);
    ASSERT_EQ(dialog.items.size(), 4u);
    EXPECT_FALSE(dialog.items[2].text.name.empty()) << "the maker's notice";
    const std::wstring notice = dialog.items[2].text.name;
    ExpectItems(dialog, {
                            {-1, L"STATIC", nullptr, 11, 17, 20, 20, 0x50000003, IDR_MAINFRAME},
                            {-1, L"STATIC", L"ravlet Version " RAVLET_VERSION_SHORT_TEXT, 40, 10,
                             119, 8, 0x50020080},
                            {-1, L"STATIC", notice.c_str(), 40, 25, 164, 8, 0x50020000},
                            {IDOK, L"BUTTON", L"OK", 178, 7, 50, 14, 0x50030001},
                        });
}

TEST_F(DialogTemplates, IconPickerIsAHiddenCaptionlessSetOfPictureButtonsOneAChoice) {
    const DialogTemplate dialog = Load(IDD_ICONPICK);
    EXPECT_FALSE(dialog.extended);
    // Hidden at 0, 0 so that it is centred over the main dialog; the program sizes it
    // and lays its buttons out in a column.
    ExpectFrame(dialog, 0x800000C0, 0, L"", kSetAtRunTime, kSetAtRunTime);
    const DWORD picture = 0x50010080;
    std::vector<ExpectedItem> buttons;
    for (const IconChoiceEntry& choice : kIconChoices) {
        buttons.push_back({choice.buttonId, L"BUTTON", L"", kSetAtRunTime, kSetAtRunTime,
                           kSetAtRunTime, kSetAtRunTime, picture});
    }
    ExpectItems(dialog, buttons);
}

TEST_F(DialogTemplates, TabInThePickerGoesDownTheChoicesFromTheStandardIcon) {
    std::vector<int> expected;
    for (const IconChoiceEntry& choice : kIconChoices) {
        expected.push_back(choice.buttonId);
    }
    EXPECT_EQ(TabOrder(IDD_ICONPICK), expected);
}

// --- Manifest ------------------------------------------------------------------------

TEST_F(ProgramResources, ManifestAsksForCommonControls6PerMonitorDpiAndTheCallersRights) {
    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr) << "no RT_MANIFEST 1";
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module_, found))),
                               SizeofResource(module_, found));
    const char* expected[] = {
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "publicKeyToken=\"6595b64144ccf1df\"",
        "<requestedExecutionLevel level=\"asInvoker\"",
        "<dpiAware "
        "xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
        "WindowsSettings\">PerMonitorV2</dpiAwareness>",
        // Vista, 7, 8, 8.1, 10 and 11
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
        "name=\"ravlet\" version=\"" RAVLET_VERSION_TEXT "\"",
    };
    for (const char* part : expected) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

// --- Strings and version record ----------------------------------------------------------

TEST_F(ProgramResources, StringsLoadAsShiftJisByteForByte) {
    ASSERT_EQ(GetACP(), 932u);
    struct Case {
        UINT id;
        const char* text;
    };
    const Case cases[] = {
        {IDS_ABOUTBOX, "ravlet のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
        {IDS_FILE_ERROR_DISK_FULL, "%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。"},
        {IDS_HELP_FAILED, "ﾍﾙﾌﾟの起動に失敗しました。"},
    };
    for (const Case& c : cases) {
        char loaded[256] = {};
        const int length = LoadStringA(module_, c.id, loaded, sizeof loaded);
        EXPECT_EQ(length, static_cast<int>(std::strlen(c.text))) << c.id;
        EXPECT_STREQ(loaded, c.text) << c.id;
    }
}

// The code names its texts by id only: each must be in the built program. The ids of
// each block in res/resource.h run without gaps.
TEST_F(ProgramResources, EveryTextTheProgramNamesIsInItsStringTable) {
    const std::pair<UINT, UINT> blocks[] = {
        {IDS_CAPTION_CHECK, IDS_CAPTION_DONE},
        {IDS_NO_ADDRESS, IDS_SHORTCUT_CREATED},
        {IDS_BROWSE_TITLE, IDS_LABEL_FAVORITES},
        {IDS_FILE_ERROR_DISK_FULL, IDS_FILE_ERROR_DISK_FULL},
        {IDS_SETTINGS_NOT_SAVED, IDS_SETTINGS_UNAVAILABLE},
        {IDS_SETTINGS_FILE_TOO_LARGE, IDS_SETTINGS_FILE_NOT_TEXT},
        {IDS_OPEN_WINDOWS_READS_OTHERWISE, IDS_READ_BACK_FAILED},
        {IDS_SHORTCUT_CREATED_STANDARD_ICON, IDS_SHORTCUT_CREATED_STANDARD_ICON},
        {IDS_HELP_FAILED, IDS_HELP_BLOCKED_NETWORK},
        {IDS_SECOND_SUBJECT, IDS_DROPPED_FILE_NOT_REPRESENTABLE},
        {IDS_CONFIRM_CLOSE_DISCARDS_INPUT, IDS_CAPTION_OPEN_DISCARDS_INPUT}};
    for (const auto& [first, last] : blocks) {
        for (UINT id = first; id <= last; ++id) {
            const wchar_t* text = nullptr;
            EXPECT_GT(LoadStringW(module_, id, reinterpret_cast<LPWSTR>(&text), 0), 0) << id;
        }
    }
}

TEST_F(ProgramResources, VersionRecordNamesRavletAndTheBuildsVersionInJapanese) {
    constexpr DWORD kVersion[] = {RAVLET_VERSION_COMMAS};
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(programPath_->c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> record(size);
    ASSERT_TRUE(GetFileVersionInfoA(programPath_->c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, kVersion[0] << 16 | kVersion[1]);
    EXPECT_EQ(fixed->dwFileVersionLS, kVersion[2] << 16 | kVersion[3]);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 932);

    struct Case {
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"FileDescription", "ravlet"},
        {"InternalName", "ravlet"},
        {"ProductName", "ravlet"},
        {"OriginalFilename", "ravlet.EXE"},
        {"FileVersion", RAVLET_VERSION_TEXT},
        {"ProductVersion", RAVLET_VERSION_TEXT},
    };
    for (const Case& c : cases) {
        const std::string key = std::string("\\StringFileInfo\\041103a4\\") + c.key;
        char* value = nullptr;
        ASSERT_TRUE(
            VerQueryValueA(record.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            << c.key;
        EXPECT_STREQ(value, c.value) << c.key;
    }
}

}  // namespace
