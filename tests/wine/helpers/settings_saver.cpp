// One run of the program as far as its settings go, for the tests of two runs saving at
// once: settings_saver INI FOLDER READY GO loads INI, adds FOLDER, sets the event READY,
// waits for the event GO and saves.
#include <windows.h>

#include "destinations/destination_list.h"
#include "tests/wine/settings_run.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        return 2;
    }
    const std::string ini = argv[1];
    FakeDropDownList view;
    DestinationList list{view};
    FillFromFile(list, ini);
    list.Add(argv[2]);
    const HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    const HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, argv[4]);
    if (ready == nullptr || go == nullptr || !SetEvent(ready) ||
        WaitForSingleObject(go, 60000) != WAIT_OBJECT_0) {
        return 3;
    }
    SettingsFiles files;
    files.readPath = ini;
    files.savePath = ini;
    return SaveSettingsFiles(list, files, kJapaneseSystem).saved ? 0 : 1;
}
