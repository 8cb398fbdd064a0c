#include "framework/html_help.h"

#include <htmlhelp.h>

#include "framework/exact_ansi.h"
#include "framework/file_kind.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// From the system folder by full path: a library of that name beside the program (in
// a download folder, say) must not be loaded in its place.
HtmlHelpFunction LoadHtmlHelp() {
    static const HtmlHelpFunction function = []() -> HtmlHelpFunction {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        const HMODULE viewer = LoadLibraryW((std::wstring(folder) + L"\\hhctrl.ocx").c_str());
        if (viewer == nullptr) {
            return nullptr;
        }
        return reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpW")));
    }();
    return function;
}

}  // namespace

bool ShowHtmlHelpTopic(HWND owner, const std::string& helpFile, DWORD context) {
    if (!IsFile(helpFile)) {
        return false;
    }
    const HtmlHelpFunction htmlHelp = LoadHtmlHelp();
    return htmlHelp != nullptr &&
           htmlHelp(owner, WideFromAnsi(helpFile).c_str(), HH_HELP_CONTEXT, context) != nullptr;
}
