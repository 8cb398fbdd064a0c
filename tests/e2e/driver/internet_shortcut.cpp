#include "driver/internet_shortcut.h"

#include <windows.h>

// COM's declarations first: intshcut.h builds on them.
#include <objbase.h>

#include <intshcut.h>
#include <shlguid.h>
#include <shlobj.h>

#include "destinations/win32_shell_owners.h"

namespace e2e {
namespace {

std::wstring Wide(const std::string& ansi) {
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Ansi(const wchar_t* wide) {
    std::string ansi(WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), static_cast<int>(ansi.size()), nullptr,
                        nullptr);
    ansi.resize(ansi.empty() ? 0 : ansi.size() - 1);
    return ansi;
}

void ReadIconProperties(IUniformResourceLocatorA* shortcut, ShellShortcutView& view) {
    ComReference<IPropertySetStorage> sets;
    if (FAILED(shortcut->QueryInterface(IID_IPropertySetStorage,
                                        reinterpret_cast<void**>(sets.out())))) {
        return;
    }
    ComReference<IPropertyStorage> properties;
    if (FAILED(sets->Open(FMTID_Intshcut, STGM_READ | STGM_SHARE_EXCLUSIVE, properties.out()))) {
        return;
    }
    PROPSPEC wanted[2] = {};
    wanted[0].ulKind = wanted[1].ulKind = PRSPEC_PROPID;
    wanted[0].propid = PID_IS_ICONFILE;
    wanted[1].propid = PID_IS_ICONINDEX;
    PROPVARIANT values[2] = {};
    if (SUCCEEDED(properties->ReadMultiple(2, wanted, values))) {
        if (values[0].vt == VT_LPWSTR && values[0].pwszVal) {
            view.iconFile = Ansi(values[0].pwszVal);
        }
        // Wine fills only the low 16 bits of the VT_I4 index.
        if (values[1].vt == VT_I4 || values[1].vt == VT_I2) {
            view.iconIndex = static_cast<SHORT>(values[1].iVal);
        }
    }
    FreePropVariantArray(2, values);
}

}  // namespace

std::optional<ShellShortcutView> LoadThroughShell(const std::string& path) {
    ComReference<IUniformResourceLocatorA> shortcut;
    if (FAILED(CoCreateInstance(CLSID_InternetShortcut, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IUniformResourceLocatorA,
                                reinterpret_cast<void**>(shortcut.out())))) {
        return std::nullopt;
    }
    ComReference<IPersistFile> file;
    if (FAILED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out()))) ||
        FAILED(file->Load(Wide(path).c_str(), STGM_READ))) {
        return std::nullopt;
    }
    ShellShortcutView view;
    char* url = nullptr;
    if (SUCCEEDED(shortcut->GetURL(&url)) && url) {
        view.url = url;
        CoTaskMemFree(url);
    }
    ReadIconProperties(shortcut.operator->(), view);
    return view;
}

}  // namespace e2e
