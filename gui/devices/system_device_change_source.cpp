// Picks the device-change source of the system the window runs on. A new system's source is one
// more branch here and files of its own; the window does not change.
#include <QWidget>

#include "gui/devices/device_change_source.h"

#if defined(__linux__)
#include "gui/devices/device_watcher.h"
#elif defined(_WIN32)
#include "gui/app/win/windows_device_changes.h"
#endif

namespace marlix {

#if !defined(__linux__) && !defined(_WIN32)
namespace {

// Hears nothing, and says so: the list then changes only when the window is reopened.
class NoDeviceChanges final : public DeviceChangeSource {
public:
    QStringList problems() const override {
        return {
            QStringLiteral("Cards that come and go are not noticed on this system; reopen "
                           "marlix to see the cards attached now.")};
    }
};

}  // namespace
#endif

std::unique_ptr<DeviceChangeSource> CreateSystemDeviceChangeSource(QWidget& window) {
#if defined(__linux__)
    (void)window;
    return std::make_unique<DeviceChangeWatcher>();
#elif defined(_WIN32)
    return std::make_unique<WindowsDeviceChanges>(static_cast<quintptr>(window.winId()));
#else
    (void)window;
    return std::make_unique<NoDeviceChanges>();
#endif
}

}  // namespace marlix
