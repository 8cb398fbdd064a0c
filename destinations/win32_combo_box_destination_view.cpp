#include "destinations/win32_combo_box_destination_view.h"

void ComboBoxDestinationView::AddItem(const std::string& label) {
    SendMessageA(comboBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
}

void ComboBoxDestinationView::InsertItem(int index, const std::string& label) {
    SendMessageA(comboBox_, CB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(label.c_str()));
}

void ComboBoxDestinationView::DeleteItem(int index) {
    SendMessageA(comboBox_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int ComboBoxDestinationView::ItemCount() {
    const LRESULT count = SendMessageA(comboBox_, CB_GETCOUNT, 0, 0);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

void ComboBoxDestinationView::Select(int index) {
    SendMessageA(comboBox_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboBoxDestinationView::Selection() {
    return static_cast<int>(SendMessageA(comboBox_, CB_GETCURSEL, 0, 0));
}
