// Measures how long a dialog program takes from CreateProcess until its dialog is
// visible and idle: launch_timer RUNS EXE CAPTION. Prints one time in milliseconds
// per line, then closes the program and waits for it before the next run.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search {
    DWORD processId;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindVisibleCaption(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char text[256] = {};
    if (pid == search->processId && IsWindowVisible(window) &&
        GetWindowTextA(window, text, sizeof text) && lstrcmpA(text, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: launch_timer RUNS EXE CAPTION\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string exe = argv[2];
    const std::string folder = exe.substr(0, exe.find_last_of('\\'));
    for (int run = 0; run < runs; ++run) {
        std::string commandLine = "\"" + exe + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        LARGE_INTEGER start, shown;
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &info)) {
            std::fprintf(stderr, "cannot start %s\n", exe.c_str());
            return 1;
        }
        WaitForInputIdle(info.hProcess, 30000);
        Search search{info.dwProcessId, argv[3], nullptr};
        const ULONGLONG deadline = GetTickCount64() + 30000;
        while (!search.found && GetTickCount64() < deadline) {
            EnumWindows(FindVisibleCaption, reinterpret_cast<LPARAM>(&search));
            if (!search.found) {
                Sleep(1);
            }
        }
        QueryPerformanceCounter(&shown);
        if (!search.found) {
            std::fprintf(stderr, "no dialog captioned %s\n", argv[3]);
            TerminateProcess(info.hProcess, 1);
            return 1;
        }
        std::printf("%.1f\n", Milliseconds(start, shown));
        std::fflush(stdout);
        PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
        if (WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0) {
            TerminateProcess(info.hProcess, 1);
        }
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    return 0;
}
