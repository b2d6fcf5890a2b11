#include "gui/app/popup_accessibility.h"

#include <QAccessibleApplication>
#include <QApplication>
#include <QWidget>

namespace marlix {

namespace {

// The pop-ups on screen now (menus; tooltips are windows of another type).
QList<QWidget*> OpenPopups() {
    QList<QWidget*> popups;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowType() == Qt::Popup && widget->isVisible())
            popups << widget;
    }
    return popups;
}

class ApplicationWithPopups : public QAccessibleApplication {
public:
    int childCount() const override {
        return QAccessibleApplication::childCount() + static_cast<int>(OpenPopups().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QWidget*> popups = OpenPopups();
        return index - windows < popups.size()
                   ? QAccessible::queryAccessibleInterface(popups[index - windows])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (const int window = QAccessibleApplication::indexOfChild(child); window >= 0)
            return window;
        const auto popup = child == nullptr ? -1 : OpenPopups().indexOf(child->object());
        return popup < 0 ? -1 : QAccessibleApplication::childCount() + static_cast<int>(popup);
    }
};

QAccessibleInterface* ApplicationFactory(const QString&, QObject* object) {
    if (object != nullptr && object == QCoreApplication::instance())
        return new ApplicationWithPopups;
    return nullptr;
}

}  // namespace

void InstallPopupAccessibility() {
    QAccessible::installFactory(ApplicationFactory);
}

}  // namespace marlix
