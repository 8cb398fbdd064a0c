#include "driver/folder_browser.h"

#include <shlobj.h>

#include "driver/button.h"
#include "driver/poll.h"
#include "driver/unique_handle.h"
#include "driver/window_lookup.h"
#include "tests/shared/folder_browser_ids.h"

namespace e2e {
namespace {

HWND FindFolderBrowser(HWND owner) {
    for (HWND dialog : DialogsOwnedBy(owner)) {
        if (ChildWithClass(dialog, kBrowserTreeId, "SysTreeView32")) {
            return dialog;
        }
    }
    return nullptr;
}

// Memory inside another process, freed when the owner goes.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() {
        if (address_) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
    }
    void* Address() const { return address_; }
    bool Write(const void* data, size_t size) {
        return address_ && WriteProcessMemory(process_, address_, data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_;
};

bool CloseWith(HWND browser, int buttonId) {
    HWND button = GetDlgItem(browser, buttonId);
    if (!button) {
        return false;
    }
    PostClick(button);
    return PollUntil([&] { return !IsWindow(browser); });
}

}  // namespace

HWND WaitForFolderBrowser(HWND owner) {
    return PollUntil([&] { return FindFolderBrowser(owner); });
}

bool HighlightFolder(HWND browser, const std::string& path) {
    DWORD processId = 0;
    GetWindowThreadProcessId(browser, &processId);
    UniqueHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId));
    if (!process.Valid()) {
        return false;
    }
    RemoteBuffer remotePath(process.Get(), path.size() + 1);
    if (!remotePath.Write(path.c_str(), path.size() + 1)) {
        return false;
    }
    // Wine's browser sometimes ignores the first request for a folder created just
    // before it opened; asking again selects it. The status line, which the program
    // fills with the highlighted folder's path, tells when it has arrived.
    return PollUntil(
        [&] {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(browser, BFFM_SETSELECTIONA, TRUE,
                                reinterpret_cast<LPARAM>(remotePath.Address()), SMTO_ABORTIFHUNG,
                                10000, &ignored);
            return PollUntil([&] { return BrowserStatusText(browser) == path; }, 1000);
        },
        10000);
}

std::string BrowserTitle(HWND browser) {
    return WindowText(GetDlgItem(browser, kBrowserTitleId));
}

std::string BrowserStatusText(HWND browser) {
    return WindowText(GetDlgItem(browser, kBrowserStatusId));
}

bool AcceptFolder(HWND browser) {
    return CloseWith(browser, IDOK);
}

bool CancelFolderBrowser(HWND browser) {
    return CloseWith(browser, IDCANCEL);
}

}  // namespace e2e
