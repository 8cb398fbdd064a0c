// Two runs that save at the same moment, as at the end of a session: each keeps what
// the other added.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/shared/settings_keys.h"
#include "tests/wine/scratch_folder.h"

namespace {

// settings_saver.exe, beside the test executable, loads the file and adds a folder,
// says it is ready, and saves when it is told to go.
HANDLE StartSaver(const std::string& ini, const std::string& folder, const std::string& ready,
                  const std::string& go) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string saver = path;
    saver.resize(saver.find_last_of('\\') + 1);
    std::string command = "\"" + saver + "settings_saver.exe\" \"" + ini + "\" \"" + folder +
                          "\" " + ready + " " + go;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                   &process);
    CloseHandle(process.hThread);
    return process.hProcess;
}

TEST(ConcurrentSave, TwoRunsSavingAtOnceKeepBothAdditions) {
    ScratchFolder folder;
    const std::string ini = folder / "ravlet.ini";
    ASSERT_TRUE(WriteFileBytes(ini, "[COMBO_BOX]\r\nMENU_000=D:\\old\r\nSELECT=3\r\n"));
    const std::string tag = "ravlet-test-" + std::to_string(GetCurrentProcessId());
    const HANDLE events[] = {CreateEventA(nullptr, TRUE, FALSE, (tag + "-ready1").c_str()),
                             CreateEventA(nullptr, TRUE, FALSE, (tag + "-ready2").c_str()),
                             CreateEventA(nullptr, TRUE, FALSE, (tag + "-go").c_str())};
    const HANDLE runs[] = {StartSaver(ini, "D:\\first", tag + "-ready1", tag + "-go"),
                           StartSaver(ini, "D:\\second", tag + "-ready2", tag + "-go")};
    ASSERT_TRUE(runs[0] && runs[1]);
    // Both have read the file before either saves.
    EXPECT_EQ(WaitForMultipleObjects(2, events, TRUE, 60000), WAIT_OBJECT_0);
    SetEvent(events[2]);
    for (const HANDLE run : runs) {
        DWORD code = STILL_ACTIVE;
        EXPECT_EQ(WaitForSingleObject(run, 60000), WAIT_OBJECT_0);
        EXPECT_TRUE(GetExitCodeProcess(run, &code) && code == 0) << code;
        CloseHandle(run);
    }
    for (const HANDLE event : events) {
        CloseHandle(event);
    }

    std::string saved;
    for (int i = 0; i < 4; ++i) {
        char value[64] = {};
        GetPrivateProfileStringA(kSettingsSection, MenuKey(i).c_str(), "", value, sizeof value,
                                 ini.c_str());
        saved += std::string(value) + ";";
    }
    EXPECT_TRUE(saved == "D:\\second;D:\\old;D:\\first;;" ||
                saved == "D:\\first;D:\\old;D:\\second;;")
        << saved;
}

}  // namespace
