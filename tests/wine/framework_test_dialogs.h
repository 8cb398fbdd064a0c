// Dialog templates of the framework tests. Kept free of anything but #define lines, so
// the resource compiler reads it too.
#pragma once

#define IDD_TEST_HIDDEN 9001
#define IDC_TEST_EDIT 9101
#define IDC_TEST_BUTTON 9102

#define IDD_TEST_LABELS 9002
#define IDC_LABEL_NARROW 9201
#define IDC_LABEL_BESIDE_BUTTON 9202
#define IDC_LABEL_WIDE 9203
#define IDC_LABEL_AT_EDGE 9204
#define IDC_LABEL_TWO_LINES 9205
#define IDC_LABEL_CENTRED 9206
#define IDC_LABEL_NO_PREFIX 9207
