// Windows announces arriving and departing devices to top-level windows with WM_DEVICECHANGE.
// Qt hands native messages to filters like this one before it handles them itself; this one
// passes the main window's device-change events on to the window's handler.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QtGlobal>
#include <functional>

namespace marlix {

class DeviceChangeFilter final : public QAbstractNativeEventFilter {
public:
    // Gets the event type (DBT_DEVICEARRIVAL, DBT_DEVICEREMOVECOMPLETE, ...) and answers the
    // message; TRUE grants any request, such as a query whether a device may be removed.
    using Handler = std::function<bool(unsigned eventCode)>;

    // window is the main window's native handle (QWidget::winId()). Install the filter with
    // QCoreApplication::installNativeEventFilter and remove it before the window goes.
    DeviceChangeFilter(quintptr window, Handler handler);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    quintptr m_window;
    Handler m_handler;
};

}  // namespace marlix
