// A dialog's message map: a table of (message, notification code, control id, member
// function) entries, searched in order for each window message.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

// What a window-message handler answers: a result, or nullopt to leave the message to
// the dialog manager's default handling.
using MessageResult = std::optional<LRESULT>;

template <class Dialog>
struct MessageMapEntry {
    UINT message;
    UINT code;  // notification code, for WM_COMMAND entries
    UINT id;    // control id, for WM_COMMAND entries
    void (Dialog::*command)();
    MessageResult (Dialog::*handler)(WPARAM, LPARAM);
};

// A WM_COMMAND notification of one control.
template <class Dialog>
constexpr MessageMapEntry<Dialog> OnCommand(UINT code, UINT id, void (Dialog::*command)()) {
    return {WM_COMMAND, code, id, command, nullptr};
}

// Any other window message; the handler sees its parameters.
template <class Dialog>
constexpr MessageMapEntry<Dialog> OnMessage(UINT message,
                                            MessageResult (Dialog::*handler)(WPARAM, LPARAM)) {
    return {message, 0, 0, nullptr, handler};
}

// Runs the first entry that matches; nullopt when none does or when its handler leaves
// the message to the default handling.
template <class Dialog, std::size_t N>
MessageResult RouteThroughMap(Dialog& dialog, const MessageMapEntry<Dialog> (&map)[N], UINT message,
                              WPARAM wParam, LPARAM lParam) {
    for (const MessageMapEntry<Dialog>& entry : map) {
        if (entry.message != message) {
            continue;
        }
        if (message == WM_COMMAND) {
            if (entry.code != HIWORD(wParam) || entry.id != LOWORD(wParam)) {
                continue;
            }
            (dialog.*entry.command)();
            return 0;
        }
        return (dialog.*entry.handler)(wParam, lParam);
    }
    return std::nullopt;
}
