// Systems without a source of their own.
#include <QCoreApplication>

#include "gui/devices/device_change_source.h"

namespace marlix {

namespace {

// Hears nothing, and says so: the list then changes only when the window is reopened.
class NoDeviceChanges final : public DeviceChangeSource {
public:
    QStringList problems() const override {
        return {QCoreApplication::translate(
            "marlix::DeviceChangeSource",
            "Cards that come and go are not noticed on this system; reopen marlix to see the "
            "cards attached now.")};
    }
};

}  // namespace

std::unique_ptr<DeviceChangeSource> CreateSystemDeviceChangeSource(QWidget&) {
    return std::make_unique<NoDeviceChanges>();
}

}  // namespace marlix
