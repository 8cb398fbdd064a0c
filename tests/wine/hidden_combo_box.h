// An unsorted drop-down combo box in a hidden window of its own, bound to the
// framework's wrapper, as the main dialog holds its destination list.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "framework/dialog_controls.h"

class HiddenComboBox {
public:
    HiddenComboBox()
        : owner_(CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr)),
          combo_(CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                                 280, 200, owner_.get(), nullptr, GetModuleHandleA(nullptr),
                                 nullptr)) {
        box_.Attach(combo_.get());
    }

    CComboBox& box() { return box_; }
    HWND hwnd() const { return combo_.get(); }

    // The text of item index, or "<none>" when there is no such item.
    std::string ItemText(int index) const {
        const LRESULT length = SendMessageA(hwnd(), CB_GETLBTEXTLEN, index, 0);
        if (length == CB_ERR) {
            return "<none>";
        }
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(hwnd(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }

private:
    struct WindowDestroyer {
        void operator()(HWND window) const { DestroyWindow(window); }
    };
    using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

    // The owner is destroyed last, after the combo box it holds.
    Window owner_;
    Window combo_;
    CComboBox box_;
};
