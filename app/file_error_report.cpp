#include "app/file_error_report.h"

#include "framework/message_boxes.h"
#include "res/resource.h"
#include "shortcut/file_error.h"

bool ReportFileError(HWND owner, const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const FileError& fileError) {
        ShowAppMessageBox(owner, IDS_FILE_ERROR_DISK_FULL, MB_ICONSTOP | MB_OK, fileError.path());
        return true;
    } catch (...) {
        return false;
    }
}
