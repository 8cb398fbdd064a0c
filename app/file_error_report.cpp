#include "app/file_error_report.h"

#include "framework/framework_ids.h"
#include "framework/message_boxes.h"
#include "framework/resource_string.h"
#include "shortcut/file_error.h"
#include "text/multibyte.h"

std::string DiskFullMessage(const std::string& path) {
    const std::string text = LoadResourceString(IDS_FILE_ERROR_DISK_FULL);
    // Only the text's own "%1" is replaced: a "%1" inside the path stays as it is.
    for (size_t pos = mbtext::FindChar(text, '%'); pos != std::string::npos;
         pos = mbtext::FindChar(text, '%', pos + 1)) {
        if (pos + 1 < text.size() && text[pos + 1] == '1') {
            return text.substr(0, pos) + path + text.substr(pos + 2);
        }
    }
    return text;
}

bool ReportFileError(HWND owner, const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const FileError& fileError) {
        ShowAppMessageBox(owner, DiskFullMessage(fileError.path()), MB_ICONSTOP | MB_OK);
        return true;
    } catch (...) {
        return false;
    }
}
