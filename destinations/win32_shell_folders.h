// The program's contact with the shell's folder services.
#pragma once

#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

#include "destinations/well_known_folder.h"

// What the folder browser ended with.
enum class FolderChoice {
    Cancelled,
    Chosen,
    // The user chose a folder whose path code page 932 cannot spell exactly.
    NotRepresentable,
    // The user chose a folder whose path has MAX_PATH (260) characters or more.
    TooLong,
};

// 1 on success, 0 on failure; path is empty unless the folder's path was found and
// spelt exactly in code page 932.
int GetSpecialFolderPath(HWND owner, int folderId, std::string& path);

// How the folder browser takes the item it hands over: exposed for its tests.
FolderChoice ChoiceOfItem(LPCITEMIDLIST item, std::string& outPath);

// Runs the modal folder browser, open at the desktop with nothing selected. outPath
// holds the chosen folder's path when the result is Chosen, and is left alone otherwise.
FolderChoice BrowseForFolder(HWND owner, std::string& outPath, const char* title);

// The folder browser's callback: shows the full path of the highlighted folder in the
// status line (empty for a folder whose path code page 932 cannot spell).
// Returns 0.
int CALLBACK FolderBrowserCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data);

// True when the folder exists and holds at least one file that is not a folder.
bool QuickLaunchHasFiles(const std::string& folder);

// The folders that head the destination list, in list order. appData is the application
// data folder (empty where the shell cannot name it): the start looks it up once, as
// the settings need it too, and each lookup costs the start milliseconds.
std::vector<WellKnownFolder> FindWellKnownFolders(HWND owner, const std::string& appData);
