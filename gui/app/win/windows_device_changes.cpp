#include "gui/app/win/windows_device_changes.h"

#include <QCoreApplication>

#include "gui/app/win/device_change_filter.h"

namespace marlix {

WindowsDeviceChanges::WindowsDeviceChanges(quintptr window, QObject* parent)
    : DeviceChangeSource(parent),
      m_filter(std::make_unique<DeviceChangeFilter>(window, [this](unsigned eventCode) {
          emit deviceChange(eventCode);
          return true;  // no objection to any request, such as removing a device
      })) {
    QCoreApplication::instance()->installNativeEventFilter(m_filter.get());
}

WindowsDeviceChanges::~WindowsDeviceChanges() {
    QCoreApplication::instance()->removeNativeEventFilter(m_filter.get());
}

}  // namespace marlix
