#include "framework/label_widening.h"

#include <string>
#include <vector>

#include "layout/label_fit.h"

namespace {

struct Child {
    HWND window;
    PixelBox box;
};

PixelBox BoxInClient(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Labels whose text starts at their left edge: growing to the right keeps it in place.
bool IsLeftAlignedTextStatic(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpiW(className, L"Static") != 0) {
        return false;
    }
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

// The size of the text on one line, drawn as the static draws it.
SIZE TextExtent(HWND label, const std::wstring& text) {
    const HDC dc = GetDC(label);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    RECT rect{};
    UINT format = DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_LEFT;
    if (GetWindowLongPtrW(label, GWL_STYLE) & SS_NOPREFIX) {
        format |= DT_NOPREFIX;
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    if (oldFont) {
        SelectObject(dc, oldFont);
    }
    ReleaseDC(label, dc);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void WidenLabelsToTheirText(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    std::vector<Child> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back({child, BoxInClient(dialog, child)});
    }
    for (const Child& label : children) {
        const std::wstring text =
            IsLeftAlignedTextStatic(label.window) ? TextOf(label.window) : std::wstring();
        if (text.empty()) {
            continue;
        }
        const SIZE extent = TextExtent(label.window, text);
        // A label with room for two lines or more is meant to wrap.
        if (label.box.bottom - label.box.top >= 2 * extent.cy) {
            continue;
        }
        std::vector<PixelBox> others;
        for (const Child& other : children) {
            if (other.window != label.window) {
                others.push_back(other.box);
            }
        }
        const int width = FittedLabelWidth(label.box, extent.cx, client.right, others);
        if (width != label.box.right - label.box.left) {
            SetWindowPos(label.window, nullptr, 0, 0, width, label.box.bottom - label.box.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}
