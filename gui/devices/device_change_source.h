// "The drives may have changed": what the system says when cards come and go, one notification
// per burst. Each system has a source of its own; CreateSystemDeviceChangeSource picks it, so
// that the window does not need to know which system it runs on.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class QWidget;

namespace marlix {

class DeviceChangeSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~DeviceChangeSource() override = default;

    // Why the source does not hear of every change (nothing can be watched here, one of its
    // channels failed), one sentence per reason, for the user; empty when all is well.
    virtual QStringList problems() const = 0;

signals:
    // An event code of the device-change notification (device_events.h): arrival, removal, or
    // another one that ShouldRescanDrives tells apart.
    void deviceChange(unsigned eventCode);
};

// This system's source, listening on behalf of `window` (Windows sends the news to a window;
// its native window must exist). Never null: on a system without a source of its own, the one
// returned hears nothing and says so in problems(). Make it before the first scan, so that a
// card that comes in between is not missed.
std::unique_ptr<DeviceChangeSource> CreateSystemDeviceChangeSource(QWidget& window);

}  // namespace marlix
