// Reading a drop-down list of another process: its items and its selection.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::vector<std::string> ComboItems(HWND comboBox);
// The same in UTF-16, as the program shows them, whatever the driver's code page.
std::vector<std::wstring> WideComboItems(HWND comboBox);
int ComboSelection(HWND comboBox);  // CB_ERR (-1) when nothing is selected

}  // namespace e2e
