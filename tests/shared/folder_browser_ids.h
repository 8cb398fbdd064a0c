// The controls of the shell's folder browser (SHBrowseForFolder), the same under Wine
// and Windows: the tests find and read the browser through them.
#pragma once

constexpr int kBrowserTreeId = 0x3741;
constexpr int kBrowserTitleId = 0x3742;
constexpr int kBrowserStatusId = 0x3743;
