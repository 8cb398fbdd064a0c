// Ids of the dialog framework itself: its help command and its message text (in
// framework/framework_messages.rc). Kept free of anything but #define lines, so the
// resource compiler reads it too.
#pragma once

// Commands
#define ID_HELP 57670

// Strings
#define IDS_HELP_FAILED 61701
#define IDS_HELP_BLOCKED_DOWNLOADED 61702
#define IDS_HELP_BLOCKED_NETWORK 61703
