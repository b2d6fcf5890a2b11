#include "gui/app/win/system_menu.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <QCoreApplication>
#include <QWidget>
#include <string>
#include <utility>

#include "gui/app/window_system_menu.h"

namespace marlix {

namespace {

// The entry's filter, installed while the entry lives.
class InstalledSystemMenuEntry final : public SystemMenuEntry {
public:
    InstalledSystemMenuEntry(quintptr window, std::function<void()> onAbout)
        : m_filter(window, std::move(onAbout)) {
        QCoreApplication::instance()->installNativeEventFilter(&m_filter);
    }
    ~InstalledSystemMenuEntry() override {
        QCoreApplication::instance()->removeNativeEventFilter(&m_filter);
    }

private:
    SystemMenuFilter m_filter;
};

}  // namespace

std::unique_ptr<SystemMenuEntry> AddAboutToSystemMenu(QWidget& window, const QString& text,
                                                      std::function<void()> onAbout) {
    const auto handle = static_cast<quintptr>(window.winId());
    AppendAboutToSystemMenu(handle, text);
    return std::make_unique<InstalledSystemMenuEntry>(handle, std::move(onAbout));
}

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
