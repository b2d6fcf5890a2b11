// The About entry on the window's own system menu, where programs may add to it (Windows).
// Elsewhere the window manager owns that menu; the entry is then in the window's context menu
// and on F1 only, as it is on every system.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace marlix {

// Keeps the entry working while it lives; remove it before the window goes.
class SystemMenuEntry {
public:
    virtual ~SystemMenuEntry() = default;
};

// Adds the entry (text such as "&About Marlix...") to the native window's system menu and calls
// onAbout when it is picked; nullptr where the system has no such menu for programs.
std::unique_ptr<SystemMenuEntry> AddAboutToSystemMenu(QWidget& window, const QString& text,
                                                      std::function<void()> onAbout);

}  // namespace marlix
