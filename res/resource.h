// Resource and control ids, shared by the resource script and the code. Kept free of
// anything but #define lines, so the resource compiler reads it too.
#pragma once

#include "framework/framework_ids.h"

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_ICONPICK 135

// Strings (texts in res/strings.rc). The system menu's About item:
#define IDS_ABOUTBOX 101

// Captions of the message boxes
#define IDS_CAPTION_CHECK 300
#define IDS_CAPTION_OVERWRITE 301
#define IDS_CAPTION_ABORTED 302
#define IDS_CAPTION_CANNOT_CREATE 303
#define IDS_CAPTION_DONE 304

// Messages of the Create command; %1 is the value the command puts in
#define IDS_NO_ADDRESS 310
#define IDS_ADDRESS_TOO_LONG 311
#define IDS_NOT_AN_ADDRESS 312
#define IDS_NO_DESTINATION 313
#define IDS_NO_NAME 314
#define IDS_ADDRESS_NOT_SPELLABLE 315
#define IDS_NAME_NOT_SPELLABLE 316
#define IDS_SUBJECT_NOT_SPELLABLE 317
#define IDS_CONFIRM_OVERWRITE 318
#define IDS_ABORTED 319
#define IDS_CANNOT_CREATE_FILE 320
#define IDS_SHORTCUT_CREATED 321
// Once per run, where the program's folder cannot be named in an icon line
#define IDS_SHORTCUT_CREATED_STANDARD_ICON 440

// Messages of the Create command about CC, BCC and the body, and its question about a
// URL that some mail programs cut
#define IDS_CC_NOT_SPELLABLE 370
#define IDS_CC_TOO_LONG 371
#define IDS_CC_NOT_AN_ADDRESS 372
#define IDS_BCC_NOT_SPELLABLE 373
#define IDS_BCC_TOO_LONG 374
#define IDS_BCC_NOT_AN_ADDRESS 375
#define IDS_BODY_NOT_SPELLABLE 376
#define IDS_CONFIRM_LONG_URL 377
#define IDS_CAPTION_LONG_URL 378

// Opening a shortcut to change it (%1 is the file's path), and paths handed over
// several at once
#define IDS_CAPTION_CANNOT_OPEN 390
#define IDS_OPEN_UNREADABLE 391
#define IDS_OPEN_TOO_LARGE 392
#define IDS_OPEN_NO_URL 393
#define IDS_OPEN_NOT_MAILTO 394
#define IDS_OPEN_ADDRESS_NOT_SPELLABLE 395
#define IDS_OPEN_SUBJECT_NOT_SPELLABLE 396
#define IDS_OPEN_CC_NOT_SPELLABLE 397
#define IDS_OPEN_BCC_NOT_SPELLABLE 398
#define IDS_OPEN_BODY_NOT_SPELLABLE 399
#define IDS_OPEN_NOT_URL_FILE 400
#define IDS_OPEN_ONE_AT_A_TIME 401

// A second subject or body (typed in its box while the address carries one), and a
// dropped file whose name the code page cannot spell
#define IDS_SECOND_SUBJECT 430
#define IDS_SECOND_BODY 431
#define IDS_DROPPED_FILE_NOT_REPRESENTABLE 432
// Questions before typed text that is not yet a shortcut is thrown away (%1 is the
// path of the shortcut to open)
#define IDS_CONFIRM_CLOSE_DISCARDS_INPUT 450
#define IDS_CAPTION_CLOSE_DISCARDS_INPUT 451
#define IDS_CONFIRM_OPEN_DISCARDS_INPUT 452
#define IDS_CAPTION_OPEN_DISCARDS_INPUT 453

// Destinations: the folder browser's title, its messages and the well-known folders
#define IDS_BROWSE_TITLE 330
#define IDS_FOLDER_NOT_REPRESENTABLE 331
#define IDS_FOLDER_PATH_TOO_LONG 332
#define IDS_LABEL_DESKTOP 333
#define IDS_LABEL_START_MENU 334
#define IDS_LABEL_QUICK_LAUNCH 335
#define IDS_LABEL_FAVORITES 336

// The application's report of a file error; %1 is the path
#define IDS_FILE_ERROR_DISK_FULL 350

// The settings file: a save that failed (%1 is the path tried), and a program folder
// the code page cannot spell
#define IDS_SETTINGS_NOT_SAVED 360
#define IDS_SETTINGS_UNAVAILABLE 361
// At exit, a settings file left alone (%1 is its path): over 1 MiB, or no text
#define IDS_SETTINGS_FILE_TOO_LARGE 420
#define IDS_SETTINGS_FILE_NOT_TEXT 421

// What Windows reads from a shortcut: a file it reads otherwise than the program (%1 is
// the path), and a new file that did not read back as written (%1 is the target)
#define IDS_OPEN_WINDOWS_READS_OTHERWISE 460
#define IDS_READ_BACK_FAILED 461

// Icon groups, in resource order: a shortcut's IconIndex=N counts them from zero,
// so 129 to 133 are IconIndex=1 to 5.
#define IDR_MAINFRAME 128
#define IDI_ENVELOPE_WHITE 129
#define IDI_ENVELOPE_RED 130
#define IDI_ENVELOPE_BLUE 131
#define IDI_ENVELOPE_GREEN 132
#define IDI_ENVELOPE_CYAN 133

// Bitmaps, 32 x 18: the envelopes of icon choices 1 to 5, then the standard icon.
#define IDB_ENVELOPE_WHITE 134
#define IDB_ENVELOPE_RED 135
#define IDB_ENVELOPE_BLUE 136
#define IDB_ENVELOPE_GREEN 137
#define IDB_ENVELOPE_CYAN 138
#define IDB_STANDARD 139
// The preview of a shortcut that keeps an icon of its own, which is never loaded
#define IDB_OWN_ICON 140

// Main dialog controls
#define IDC_NAME 1000
#define IDC_ADDRESS 1001
#define IDC_SUBJECT 1002
#define IDC_FOLDER 1003
#define IDC_NEW_FOLDER 1004
#define IDC_CHANGE_ICON 1008
#define IDC_ICON_PREVIEW 1013
#define IDC_CC 1014
#define IDC_BCC 1015
#define IDC_BODY 1016

// Icon picker controls (ids of their own template)
#define IDC_PICK_WHITE 1006
#define IDC_PICK_RED 1007
#define IDC_PICK_BLUE 1008
#define IDC_PICK_GREEN 1009
#define IDC_PICK_CYAN 1010
#define IDC_PICK_STANDARD 1011

// Commands
#define IDM_ABOUTBOX 0x0010
