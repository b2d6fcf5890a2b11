// The About entry at the end of the window's system menu, and the routing of its command.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace marlix {

inline constexpr unsigned kIdmAbout = 0x0010;

// The system keeps the low four bits of a system command for itself, so 0x0010 to 0x001F all
// mean the About entry.
constexpr bool IsAboutCommand(unsigned commandId) {
    return (commandId & 0xFFF0) == kIdmAbout;
}

// Appends a separator and the entry (text such as "&About Marlix...") to the system menu of the
// native window. Nothing is added when the window has no system menu or the text is empty.
void AppendAboutToSystemMenu(quintptr window, const QString& text);

// Calls onAbout when the user picks the entry on the native window's system menu; every other
// system command (move, size, close, ...) goes on to the default handling.
class SystemMenuFilter final : public QAbstractNativeEventFilter {
public:
    SystemMenuFilter(quintptr window, std::function<void()> onAbout);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    quintptr m_window;
    std::function<void()> m_onAbout;
};

}  // namespace marlix
