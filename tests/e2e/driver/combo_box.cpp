#include "driver/combo_box.h"

namespace e2e {
namespace {

// Wine hands a combo box's items across processes as UTF-16 even to CB_GETLBTEXT sent
// with SendMessageA, so the driver asks in UTF-16 and converts to the ANSI code page.
std::string AnsiFromWide(const std::wstring& wide) {
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string ansi(bytes, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), bytes,
                        nullptr, nullptr);
    return ansi;
}

}  // namespace

std::vector<std::string> ComboItems(HWND comboBox) {
    std::vector<std::string> items;
    for (const std::wstring& item : WideComboItems(comboBox)) {
        items.push_back(AnsiFromWide(item));
    }
    return items;
}

std::vector<std::wstring> WideComboItems(HWND comboBox) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(comboBox, CB_GETLBTEXTLEN, i, 0);
        std::wstring item(length < 0 ? 0 : length + 1, L'\0');
        const LRESULT copied =
            SendMessageW(comboBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : copied);
        items.push_back(item);
    }
    return items;
}

int ComboSelection(HWND comboBox) {
    return static_cast<int>(SendMessageA(comboBox, CB_GETCURSEL, 0, 0));
}

}  // namespace e2e
