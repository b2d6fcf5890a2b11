// Systems whose window manager owns the system menu: nothing to add there.
#include "gui/app/window_system_menu.h"

namespace marlix {

std::unique_ptr<SystemMenuEntry> AddAboutToSystemMenu(QWidget&, const QString&,
                                                      std::function<void()>) {
    return nullptr;
}

}  // namespace marlix
