#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/export/camera_conf.h"
#include "core/platform/text.h"

namespace marlix::camera_conf_detail {

int ToLocalTime(std::time_t now, std::tm& local) {
    errno = 0;
    if (::localtime_r(&now, &local) == nullptr)
        return errno != 0 ? errno : EOVERFLOW;
    return 0;
}

bool FolderOnDevice(const std::filesystem::path& folder, std::uint64_t device) {
    struct stat st;
    return ::stat(folder.empty() ? "." : folder.c_str(), &st) == 0 && st.st_dev == device;
}

Status RemoveFileDurably(const std::filesystem::path& file) {
    if (::unlink(file.c_str()) != 0) {
        return Status::failure("Cannot remove \"" + PathToUtf8(file) + "\": " + ErrnoText(errno),
                               errno == ENOENT ? ErrorCode::NotFound : ErrorCode::Io);
    }
    // A card pulled right after must not bring the file back.
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int error = dir < 0 ? errno : ::fsync(dir) != 0 ? errno : 0;
    if (dir >= 0)
        ::close(dir);
    if (error != 0 && error != EINVAL) {
        return Status::failure("Removed \"" + PathToUtf8(file) +
                               "\", but cannot make the removal last: " + ErrnoText(error));
    }
    return Status::success();
}

}  // namespace marlix::camera_conf_detail
