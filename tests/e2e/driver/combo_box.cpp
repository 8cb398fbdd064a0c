#include "driver/combo_box.h"

namespace e2e {

std::vector<std::string> ComboItems(HWND comboBox) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(comboBox, CB_GETLBTEXTLEN, i, 0);
        std::string item(length < 0 ? 0 : length + 1, '\0');
        const LRESULT copied =
            SendMessageA(comboBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : copied);
        items.push_back(item);
    }
    return items;
}

int ComboSelection(HWND comboBox) {
    return static_cast<int>(SendMessageA(comboBox, CB_GETCURSEL, 0, 0));
}

}  // namespace e2e
