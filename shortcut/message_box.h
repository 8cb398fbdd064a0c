// Message box styles and answers used by the shortcut commands. The values are the
// Windows ones, so the dialog layer passes them through unchanged.
#pragma once

namespace message_box {

constexpr unsigned kWarning = 0x30;             // OK, exclamation icon
constexpr unsigned kQuestion = 0x24;            // Yes and No, question icon
constexpr unsigned kQuestionDefaultNo = 0x124;  // the same, No as the default button
constexpr unsigned kInformation = 0x40;         // OK, information icon
constexpr unsigned kErrorWithRetry = 0x15;      // Retry and Cancel, stop icon

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kRetry = 4;
constexpr int kYes = 6;
constexpr int kNo = 7;

}  // namespace message_box
