// The device-change source of Windows: the WM_DEVICECHANGE messages the system sends to the main
// window.
#pragma once

#include <QtGlobal>
#include <memory>

#include "gui/devices/device_change_source.h"

namespace marlix {

class DeviceChangeFilter;

class WindowsDeviceChanges final : public DeviceChangeSource {
    Q_OBJECT

public:
    // window is the main window's native handle (QWidget::winId()).
    explicit WindowsDeviceChanges(quintptr window, QObject* parent = nullptr);
    ~WindowsDeviceChanges() override;

    QStringList problems() const override { return {}; }

private:
    std::unique_ptr<DeviceChangeFilter> m_filter;
};

}  // namespace marlix
