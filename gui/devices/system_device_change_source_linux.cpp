// Linux: the mount table and udev.
#include "gui/devices/device_change_source.h"
#include "gui/devices/device_watcher.h"

namespace marlix {

std::unique_ptr<DeviceChangeSource> CreateSystemDeviceChangeSource(QWidget&) {
    return std::make_unique<DeviceChangeWatcher>();
}

}  // namespace marlix
