// The program's contact with the shell's folder services.
#pragma once

#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

#include "destinations/well_known_folder.h"

// 1 on success, 0 on failure. buffer holds MAX_PATH bytes.
int GetSpecialFolderPath(HWND owner, int folderId, char* buffer);

// The item id list of a path (free it with the shell allocator), or null.
LPITEMIDLIST PathToItemIdList(const char* path);

// Runs the modal folder browser. True when the user chose a folder; outPath then
// holds its path and is left alone otherwise. initialPath and rootPath may be null.
bool BrowseForFolder(HWND owner, std::string& outPath, const char* initialPath,
                     const char* rootPath, const char* title);

// The folder browser's callback: selects the initial folder (the item id list in data)
// and shows the full path of the highlighted folder in the status line. Returns 0.
int CALLBACK FolderBrowserCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data);

// True when the folder exists and holds at least one file that is not a folder.
bool QuickLaunchHasFiles(const std::string& folder);

// The folders that head the destination list, in list order.
std::vector<WellKnownFolder> FindWellKnownFolders(HWND owner);
