// Windows: the messages the system sends to the window.
#include <QWidget>

#include "gui/app/win/windows_device_changes.h"
#include "gui/devices/device_change_source.h"

namespace marlix {

std::unique_ptr<DeviceChangeSource> CreateSystemDeviceChangeSource(QWidget& window) {
    return std::make_unique<WindowsDeviceChanges>(static_cast<quintptr>(window.winId()));
}

}  // namespace marlix
