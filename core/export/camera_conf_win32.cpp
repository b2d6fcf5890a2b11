#include "core/export/camera_conf.h"

namespace marlix::camera_conf_detail {

int ToLocalTime(std::time_t now, std::tm& local) {
    // The C run-time of Windows converts times up to the year 3000 only.
    return ::localtime_s(&local, &now);
}

}  // namespace marlix::camera_conf_detail
