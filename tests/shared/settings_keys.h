// Where ravlet.ini keeps the destinations, as the tests of every suite write and read it.
#pragma once

#include <cstdio>
#include <string>

inline constexpr char kSettingsSection[] = "COMBO_BOX";

// "MENU_000" to "MENU_019": the added folders, newest first.
inline std::string MenuKey(int i) {
    char key[24];
    std::snprintf(key, sizeof key, "MENU_%03d", i);
    return key;
}
