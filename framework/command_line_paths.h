// The paths a program is started with: what Explorer passes when a file is dropped on
// the program, sent to it with 「送る」 or opened with 「プログラムから開く」.
#pragma once

#include <string>
#include <vector>

// The arguments after the program's own name, split as Windows splits them and read as
// UTF-16 and made full (a console passes names relative to its folder). An argument
// that starts with "/" (an option some caller adds) or names nothing that exists is
// left out.
std::vector<std::wstring> CommandLinePaths(const wchar_t* commandLine);
