// Dialog templates of the framework tests. Kept free of anything but #define lines, so
// the resource compiler reads it too.
#pragma once

#define IDD_TEST_HIDDEN 9001
#define IDC_TEST_EDIT 9101
#define IDC_TEST_BUTTON 9102
