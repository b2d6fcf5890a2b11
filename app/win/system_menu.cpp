#include "app/win/system_menu.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <utility>

namespace marlix {

void AppendAboutToSystemMenu(quintptr window, const QString& text) {
    HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(window), FALSE);
    if (!menu || text.isEmpty())
        return;
    const std::wstring wide = text.toStdWString();
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, kIdmAbout, wide.c_str());
}

SystemMenuFilter::SystemMenuFilter(quintptr window, std::function<void()> onAbout)
    : m_window(window), m_onAbout(std::move(onAbout)) {}

bool SystemMenuFilter::nativeEventFilter(const QByteArray& eventType, void* message,
                                         qintptr* result) {
    if (eventType != "windows_generic_MSG" || !message || !m_onAbout)
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND || reinterpret_cast<quintptr>(msg->hwnd) != m_window ||
        !IsAboutCommand(static_cast<unsigned>(msg->wParam))) {
        return false;
    }
    // The About box runs modally from here; the message has been handled when it returns.
    m_onAbout();
    if (result)
        *result = 0;
    return true;
}

}  // namespace marlix
