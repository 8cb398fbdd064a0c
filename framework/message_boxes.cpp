#include "framework/message_boxes.h"

#include "framework/exact_ansi.h"
#include "framework/win_app.h"

namespace {

std::wstring WideResourceString(unsigned id) {
    // With a zero length LoadStringW hands out a pointer into the resource itself,
    // whose texts are not NUL-terminated: the returned count is the length.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length))
                                         : std::wstring();
}

std::wstring AppNameWide() {
    const CWinApp* app = CWinApp::Current();
    return app != nullptr ? WideFromAnsi(app->AppName()) : std::wstring();
}

}  // namespace

std::wstring FormatResourceMessage(unsigned textId, const std::string& value) {
    const std::wstring pattern = WideResourceString(textId);
    const std::wstring inserted = WideFromAnsi(value);
    // Only the pattern's own "%1" is replaced: one inside the value stays as it is.
    std::wstring text;
    for (size_t pos = 0; pos < pattern.size(); ++pos) {
        if (pattern[pos] == L'%' && pos + 1 < pattern.size() && pattern[pos + 1] == L'1') {
            text += inserted;
            ++pos;
        } else {
            text += pattern[pos];
        }
    }
    return text;
}

int ShowMessageBox(HWND owner, unsigned textId, unsigned captionId, UINT style,
                   const std::string& value) {
    return MessageBoxW(owner, FormatResourceMessage(textId, value).c_str(),
                       WideResourceString(captionId).c_str(), style);
}

int ShowAppMessageBox(HWND owner, unsigned textId, UINT style, const std::string& value) {
    return MessageBoxW(owner, FormatResourceMessage(textId, value).c_str(), AppNameWide().c_str(),
                       style);
}
