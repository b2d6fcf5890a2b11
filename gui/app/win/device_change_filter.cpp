#include "gui/app/win/device_change_filter.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <utility>

namespace marlix {

DeviceChangeFilter::DeviceChangeFilter(quintptr window, Handler handler)
    : m_window(window), m_handler(std::move(handler)) {}

bool DeviceChangeFilter::nativeEventFilter(const QByteArray& eventType, void* message,
                                           qintptr* result) {
    if (eventType != "windows_generic_MSG" || !message || !m_handler)
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    // The message is broadcast to every top-level window, Qt's hidden ones included; only the
    // main window's copy is acted on, so one event makes one scan.
    if (msg->message != WM_DEVICECHANGE || reinterpret_cast<quintptr>(msg->hwnd) != m_window) {
        return false;
    }
    const bool granted = m_handler(static_cast<unsigned>(msg->wParam));
    if (result)
        *result = granted ? TRUE : FALSE;
    return true;
}

}  // namespace marlix
