#include <cerrno>

#include "core/export/camera_conf.h"

namespace marlix::camera_conf_detail {

int ToLocalTime(std::time_t now, std::tm& local) {
    errno = 0;
    if (::localtime_r(&now, &local) == nullptr)
        return errno != 0 ? errno : EOVERFLOW;
    return 0;
}

}  // namespace marlix::camera_conf_detail
