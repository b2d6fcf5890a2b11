#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/export/camera_conf.h"
#include "core/platform/text.h"
#include "core/platform/text_win32.h"

namespace marlix::camera_conf_detail {

int ToLocalTime(std::time_t now, std::tm& local) {
    // The C run-time of Windows converts times up to the year 3000 only.
    return ::localtime_s(&local, &now);
}

bool FolderOnDevice(const std::filesystem::path&, std::uint64_t) {
    return true;
}

Status RemoveFileDurably(const std::filesystem::path& file) {
    // DeleteFileW removes a link itself, never what it leads to.
    if (!::DeleteFileW(file.c_str())) {
        const DWORD error = ::GetLastError();
        return Status::failure(
            "Cannot remove \"" + PathToUtf8(file) + "\": " + WindowsErrorText(error),
            error == ERROR_FILE_NOT_FOUND ? ErrorCode::NotFound : ErrorCode::Io);
    }
    return Status::success();
}

}  // namespace marlix::camera_conf_detail
